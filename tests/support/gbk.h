// Test helper: GBK bytes of a UTF-8 literal, converted by ICU directly, so that
// tests can write Chinese text readably without going through the code under test.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "text/text_types.h"

namespace velmora::testing {

std::string gbk_bytes(std::string_view utf8);
inline Text gbk(std::string_view utf8) { return Text(gbk_bytes(utf8)); }
std::string utf8_of_gbk(std::string_view gbk);

}  // namespace velmora::testing

namespace velmora {
// Readable failure messages: printable ASCII as it is, other bytes as \xNN.
void PrintTo(const Text& text, std::ostream* out);
void PrintTo(const Bytes& bytes, std::ostream* out);
}  // namespace velmora
