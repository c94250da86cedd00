// Conversion between code page 936 (GBK, every text of the program), UTF-8,
// UTF-16 and code page 950 (Big5), and traditional-to-simplified mapping.
//
// UTF-16 travels as byte strings of 16-bit units, low byte first: terminated
// (the units, then one zero unit) from multibyte_to_wide, counted (exactly the
// units) from utf8_bytes_to_wide. No conversion ever cuts its result short.
//
// Replacement: an invalid UTF-8 sequence reads as U+FFFD, one for each maximal
// invalid subsequence; an invalid 936 or 950 sequence reads as '?'; a character
// that the target code page cannot hold is written as '?'.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text_types.h"

namespace velmora {

inline constexpr std::int32_t kSystemCodePage = 0;  // stands for 936 here
inline constexpr std::int32_t kGbkCodePage = 936;
inline constexpr std::int32_t kBig5CodePage = 950;
inline constexpr std::int32_t kUtf8CodePage = 65001;

// Terminated UTF-16 of a text read in `code_page` (left out: UTF-8).
Bytes multibyte_to_wide(const Text& text, std::optional<std::int32_t> code_page = {});
// Terminated UTF-16 (read up to its first zero unit) written in `code_page`
// (left out: the system code page).
Text wide_to_multibyte(const Bytes& wide, std::optional<std::int32_t> code_page = {});

// System text to a text holding its UTF-8 form, and back.
Text to_utf8(const Text& text);
Text utf8_to_system(const Text& text);

// Big5 to system text; characters that 936 cannot hold are left out.
Text big5_to_gbk(const Text& text);
// Traditional characters replaced by their simplified form where that form is
// one character that 936 holds in as many bytes; the length never changes.
Text to_simplified_chinese(const Text& text);
Text big5_to_simplified(const Text& text);

// Counted UTF-16 of UTF-8 bytes.
Bytes utf8_bytes_to_wide(const Bytes& bytes);
// Counted UTF-16 (its length in bytes halved, rounded down) to system text; a
// base character and a nonspacing mark become one precomposed character where
// 936 has one.
Text wide_to_system(const Bytes& wide);
Text utf8_bytes_to_system(const Bytes& bytes);

}  // namespace velmora
