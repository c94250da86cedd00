#include "fuzz_check.h"
#include "text/codepage.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text system = utf8_bytes_to_system(bytes);
  FUZZ_CHECK(fuzz::holds_no_zero(system));
  const Bytes wide = utf8_bytes_to_wide(bytes);
  FUZZ_CHECK(wide.size() % 2 == 0);
  FUZZ_CHECK(wide.size() <= 2 * size);
  return 0;
}
