#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "text/extract.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const bool case_sensitive = in.ConsumeBool();
  const auto start = in.ConsumeIntegralInRange<std::int32_t>(-1, 20);
  const Text left(in.ConsumeRandomLengthString(12));
  const Text right(in.ConsumeRandomLengthString(12));
  const Text text(in.ConsumeRemainingBytesAsString());
  const Text between = text_between(text, left, right, start, case_sensitive);
  FUZZ_CHECK(fuzz::holds_no_zero(between));
  FUZZ_CHECK(between.size() <= text.size());
  if (!between.empty()) FUZZ_CHECK(text.view().find(between.view()) != std::string_view::npos);
  const Text before = text_before(text, right, start, !case_sensitive);
  FUZZ_CHECK(text.view().starts_with(before.view()));
  return 0;
}
