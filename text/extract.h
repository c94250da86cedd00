// Taking pieces out of texts by markers and separators.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text_types.h"

namespace velmora {

// "#引号" in a marker stands for one double quote.
inline const char* const kQuoteMarker = "#\xD2\xFD\xBA\xC5";

// The text between the first `left` marker and the first `right` marker after
// it; empty when either is missing. `start` (left out: 1) is where both
// searches begin, the second one counted within the rest after `left`. Letter
// case is ignored unless `case_sensitive` is true.
Text text_between(const Text& text, const Text& left, const Text& right,
                  std::optional<std::int32_t> start = {}, std::optional<bool> case_sensitive = {});

// The text from its beginning up to the first `separator` found at or after
// `start` (left out or below 1: 1); empty when there is none.
Text text_before(const Text& text, const Text& separator, std::optional<std::int32_t> start = {},
                 std::optional<bool> ignore_case = {});

}  // namespace velmora
