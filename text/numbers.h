// Numbers and truth values to and from text.
#pragma once

#include <cstdint>

#include "text/text_types.h"

namespace velmora {

// Reads a decimal number at the start of the text, after full-width characters
// have been made half-width; 0 when the text does not start with one.
double to_number(const Text& text);

// A real taken as an integer: truncated toward zero into 64 bits (clamped at the
// 64-bit limits; NaN gives 0), whose low 32 bits are the result.
std::int32_t truncate_to_integer(double value);

// Decimal digits, led by '-' when negative.
Text number_to_text(std::int32_t value);

// "真" for true, "假" for false.
Text bool_to_text(bool value);
inline const char* const kTrueText = "\xD5\xE6";   // 真
inline const char* const kFalseText = "\xBC\xD9";  // 假

}  // namespace velmora
