#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "text/search.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const auto start = in.ConsumeIntegralInRange<std::int32_t>(-2, 40);
  const auto count = in.ConsumeIntegralInRange<std::int32_t>(-1, 5);
  const bool case_sensitive = in.ConsumeBool();
  const Text sought(in.ConsumeRandomLengthString(8));
  const Text replacement(in.ConsumeRandomLengthString(8));
  const Text text(in.ConsumeRemainingBytesAsString());
  const Text out = replace_subtext(text, sought, replacement, start, count, case_sensitive);
  FUZZ_CHECK(fuzz::holds_no_zero(out));
  FUZZ_CHECK(replace_subtext(text, sought, replacement, start, 0, case_sensitive) == text);
  // Replacing by itself changes nothing when letter case counts.
  FUZZ_CHECK(replace_subtext(text, sought, sought, start, count, true) == text);
  // The bytes before start are never touched.
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
  if (from < text.size()) FUZZ_CHECK(out.view().substr(0, from) == text.view().substr(0, from));
  return 0;
}
