#include "fuzz_check.h"
#include "text/codepage.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text big5(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text gbk = big5_to_gbk(big5);
  const Text simplified = big5_to_simplified(big5);
  FUZZ_CHECK(fuzz::holds_no_zero(gbk) && fuzz::holds_no_zero(simplified));
  FUZZ_CHECK(simplified.size() == gbk.size());
  // Only double-byte characters change, each into another double-byte one.
  for (std::size_t i = 0; i < gbk.size();) {
    const bool lead = static_cast<unsigned char>(gbk.view()[i]) >= 0x80;
    if (!lead) FUZZ_CHECK(simplified.view()[i] == gbk.view()[i]);
    if (lead && i + 1 < gbk.size()) {
      FUZZ_CHECK(static_cast<unsigned char>(simplified.view()[i]) >= 0x80);
    }
    i += lead ? 2 : 1;
  }
  return 0;
}
