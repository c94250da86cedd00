// Blank and zero-filled values, byte-string helpers, bit masks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/text_types.h"

namespace velmora {

// n blanks (0x20); empty when n < 1.
Text blank_text(std::int32_t n);
// n zero bytes; empty when n < 1.
Bytes blank_bytes(std::int32_t n);
// The same values under the names the code-page conversions use.
inline Text repeat_spaces(std::int32_t count) { return blank_text(count); }
inline Bytes repeat_zero_bytes(std::int32_t count) { return blank_bytes(count); }

// The first n bytes; empty when n <= 0; all when n >= the length.
Bytes bytes_left(const Bytes& bytes, std::int32_t n);
bool bytes_equal(const Bytes& a, const Bytes& b);

namespace detail {
// The pieces joined into one string, with room made once.
std::string join_pieces(std::initializer_list<std::string_view> pieces);
}  // namespace detail

Bytes concat_bytes(std::initializer_list<std::string_view> parts);
template <typename... T>
Bytes concat_bytes(const T&... parts) {
  return concat_bytes({parts.view()...});
}

inline std::int32_t bit_or(std::initializer_list<std::int32_t> values) {
  std::int32_t mask = 0;
  for (auto v : values) mask |= v;
  return mask;
}
template <typename... T>
std::int32_t bit_or(T... values) {
  return bit_or({static_cast<std::int32_t>(values)...});
}

}  // namespace velmora
