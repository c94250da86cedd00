#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "text/search.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const auto start = in.ConsumeIntegralInRange<std::int32_t>(-2, 70);
  const bool ignore_case = in.ConsumeBool();
  const Text sought(in.ConsumeRandomLengthString(16));
  const Text text(in.ConsumeRemainingBytesAsString());
  const std::int32_t p = find_text(text, sought, start, ignore_case);
  if (p == -1) return 0;
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
  FUZZ_CHECK(p >= 1 && static_cast<std::size_t>(p) <= text.size());
  if (sought.empty()) {
    FUZZ_CHECK(p == 1 && from < text.size());  // found at 1 while any byte is left to search
    return 0;
  }
  FUZZ_CHECK(static_cast<std::size_t>(p) - 1 >= from);
  FUZZ_CHECK(fuzz::is_boundary(text.view(), from, static_cast<std::size_t>(p) - 1));
  FUZZ_CHECK(static_cast<std::size_t>(p) - 1 + sought.size() <= text.size());
  if (!ignore_case) {
    FUZZ_CHECK(text.view().substr(static_cast<std::size_t>(p) - 1, sought.size()) == sought.view());
  }
  // Nothing is found before the position that was given.
  if (static_cast<std::size_t>(p) - 1 > from) {
    FUZZ_CHECK(
        find_text(Text(text.view().substr(0, static_cast<std::size_t>(p) - 2 + sought.size())),
                  sought, start, ignore_case) == -1);
  }
  return 0;
}
