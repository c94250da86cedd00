#include "support/gbk.h"

#include <unicode/ucnv.h>

namespace velmora::testing {
namespace {

std::string convert(const char* to, const char* from, std::string_view in) {
  std::string out(in.size() * 4 + 4, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t n = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                 static_cast<int32_t>(in.size()), &error);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

}  // namespace

std::string gbk_bytes(std::string_view utf8) { return convert("windows-936-2000", "UTF-8", utf8); }
std::string utf8_of_gbk(std::string_view gbk) { return convert("UTF-8", "windows-936-2000", gbk); }

}  // namespace velmora::testing

namespace velmora {
namespace {
void print_bytes(std::string_view bytes, std::ostream* out) {
  static constexpr std::string_view digits = "0123456789ABCDEF";
  *out << '"';
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      *out << c;
    } else {
      *out << "\\x" << digits[b >> 4U] << digits[b & 0xFU];
    }
  }
  *out << '"';
}
}  // namespace
void PrintTo(const Text& text, std::ostream* out) { print_bytes(text.view(), out); }
void PrintTo(const Bytes& bytes, std::ostream* out) { print_bytes(bytes.view(), out); }
}  // namespace velmora
