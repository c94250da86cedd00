// Property checks for the fuzz targets: a failed check aborts, which libFuzzer
// reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/text_types.h"

#define FUZZ_CHECK(condition)                                                             \
  do {                                                                                    \
    if (!(condition)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                       \
    }                                                                                     \
  } while (false)

namespace velmora::fuzz {

inline bool holds_no_zero(const Text& t) { return t.view().find('\0') == std::string_view::npos; }

// Whether position p (0-based) is a character boundary when scanning from `from`.
inline bool is_boundary(std::string_view t, std::size_t from, std::size_t p) {
  std::size_t i = from;
  while (i < p) i += static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1;
  return i == p;
}

}  // namespace velmora::fuzz
