#include <cmath>

#include "fuzz_check.h"
#include "text/numbers.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
  const double value = to_number(text);
  FUZZ_CHECK(!std::isnan(value));
  (void)truncate_to_integer(value);  // defined for every value, infinities included
  // Text after the number never changes it.
  FUZZ_CHECK(to_number(Text(text.str() + "x")) == value || text.empty() ||
             text.view().back() == 'e' || text.view().back() == 'E' || text.view().back() == 'd' ||
             text.view().back() == 'D' || text.view().back() == '+' || text.view().back() == '-' ||
             static_cast<unsigned char>(text.view().back()) >= 0x80);
  return 0;
}
