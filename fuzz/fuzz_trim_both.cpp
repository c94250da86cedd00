#include "fuzz_check.h"
#include "text/search.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text out = trim_both(text);
  FUZZ_CHECK(fuzz::holds_no_zero(out));
  FUZZ_CHECK(out.size() <= text.size());
  FUZZ_CHECK(text.view().find(out.view()) != std::string_view::npos);
  FUZZ_CHECK(trim_both(out) == out);
  if (!out.empty()) FUZZ_CHECK(out.view().front() != ' ');
  return 0;
}
