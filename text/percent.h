// Percent forms: every byte as "%" and two upper-case hexadecimal digits.
#pragma once

#include <optional>
#include <string_view>

#include "text/text_types.h"

namespace velmora {

// The byte rule shared by every percent encoder: each byte becomes "%XX",
// except that with `keep_unreserved` the bytes ',' to '9', 'A' to 'Z' and 'a'
// to 'z' stand for themselves. Pending window events are dispatched after
// every byte.
Text percent_encode_each_byte(std::string_view bytes, bool keep_unreserved);

// The UTF-8 form of a system text, percent-encoded by the byte rule.
Text percent_encode_utf8(const Text& text, std::optional<bool> keep_unreserved = {});

// Decodes "%XX" escapes (a "%" without two hexadecimal digits after it stays
// as it is; "%00" adds nothing), then reads the bytes as UTF-8 into system text.
Text percent_decode_utf8(const Text& text);

}  // namespace velmora
