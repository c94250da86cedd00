#include "text/percent.h"

#include <string>

#include "text/codepage.h"
#include "text/event_pump.h"

namespace velmora {
namespace {

bool unreserved(unsigned char c) {
  return (c >= 0x2C && c <= 0x39) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

Text percent_encode_each_byte(std::string_view bytes, bool keep_unreserved) {
  static constexpr std::string_view digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (keep_unreserved && unreserved(c)) {
      out.push_back(byte);
    } else {
      const char escape[3] = {'%', digits[c >> 4U], digits[c & 0xFU]};
      out.append(escape, 3);
    }
    process_events();
  }
  return Text(std::move(out));
}

Text percent_encode_utf8(const Text& text, std::optional<bool> keep_unreserved) {
  return percent_encode_each_byte(to_utf8(text).view(), keep_unreserved.value_or(false));
}

Text percent_decode_utf8(const Text& text) {
  const std::string_view t = text.view();
  std::string collected;
  collected.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == '%' && i + 2 < t.size() && hex_digit(t[i + 1]) >= 0 && hex_digit(t[i + 2]) >= 0) {
      const int value = hex_digit(t[i + 1]) * 16 + hex_digit(t[i + 2]);
      if (value != 0) collected.push_back(static_cast<char>(value));
      i += 2;
    } else {
      collected.push_back(t[i]);
    }
  }
  return utf8_bytes_to_system(Bytes(std::move(collected)));
}

}  // namespace velmora
