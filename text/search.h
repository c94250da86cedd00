// Searching, replacing, trimming and letter case, character by character: a
// byte of 0x80 or above is a lead byte and forms one character with the byte
// after it, and a match never starts on the second byte of such a pair.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text_types.h"

namespace velmora {

// Position (from 1) of the first occurrence of `sought` that begins at or after
// `start` (left out or below 1: 1), or -1. An empty `sought` is found at 1 while
// any byte is left to search. Ignoring case, only single-byte characters fold
// ('A'-'Z' with 'a'-'z'); double-byte characters compare exactly.
std::int32_t find_text(const Text& text, const Text& sought, std::optional<std::int32_t> start = {},
                       std::optional<bool> ignore_case = {});

// Occurrences of `sought` from `start` on (left out or below 1: 1) replaced by
// `replacement` (left out: removed), at most `count` of them (left out or
// negative: all). Replacements are not searched again. Letter case is ignored
// unless `case_sensitive` is true.
Text replace_subtext(const Text& text, const Text& sought,
                     const std::optional<Text>& replacement = {},
                     std::optional<std::int32_t> start = {}, std::optional<std::int32_t> count = {},
                     std::optional<bool> case_sensitive = {});

// Without the blanks (0x20 and the double-byte blank A1 A1) at both ends.
Text trim_both(const Text& text);

// 'A'-'Z' to 'a'-'z' (and back), single-byte characters only.
Text to_lower(const Text& text);
Text to_upper(const Text& text);

}  // namespace velmora
