// Cutting texts by byte positions and counts; out-of-range values are clamped.
#pragma once

#include <cstdint>
#include <optional>

#include "text/text_types.h"

namespace velmora {

// The first n bytes; empty when n <= 0; the whole text when n >= its length.
Text text_left(const Text& text, std::int32_t n);
// The last n bytes; empty when n <= 0; the whole text when n >= its length.
Text text_right(const Text& text, std::int32_t n);
// n bytes from position start (from 1), fewer at the end; empty when start < 1,
// start > length or n <= 0.
Text text_mid(const Text& text, std::int32_t start, std::int32_t n);
// n bytes removed at start (clamped into the text) and `replacement` put there.
Text replace_span(const Text& text, std::int32_t start, std::int32_t n,
                  const std::optional<Text>& replacement = {});

}  // namespace velmora
