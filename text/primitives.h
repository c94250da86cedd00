// Measuring, joining, comparing and converting texts and byte strings.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text/text_types.h"

namespace velmora {

std::int32_t text_length(const Text& text);
std::int32_t bytes_length(const Bytes& bytes);

// The bytes of the text, without an ending zero byte.
Bytes text_to_bytes(const Text& text);
// The bytes up to the first zero byte, or all of them, as a text.
Text bytes_to_text(const Bytes& bytes);

namespace detail {
inline std::string_view piece(const Text& text) { return text.view(); }
inline std::string_view piece(const char* literal) { return literal; }
inline std::string_view piece(std::string_view bytes) { return bytes; }
Text concat_pieces(std::initializer_list<std::string_view> pieces);
}  // namespace detail

// The texts joined in order (literals and string views may stand among them).
template <typename... T>
Text concat_text(const T&... parts) {
  return detail::concat_pieces({detail::piece(parts)...});
}

// 0 when equal. Ignoring case, ASCII letters fold, and a double-byte character
// compares through the upper-case mapping of code page 936 as a whole.
std::int32_t compare_text(const Text& a, const Text& b, bool case_sensitive);

// Upper-case hexadecimal without leading zeros; negative values in 32-bit two's complement.
Text hex_text(std::int32_t value);
// The one-byte text of the low 8 bits of code; empty when those bits are 0.
Text char_of(std::int32_t code);

}  // namespace velmora
