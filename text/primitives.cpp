#include "text/primitives.h"

#include <array>
#include <string>

#include "text/gbk_case.h"
#include "text/values.h"

namespace velmora {

std::int32_t text_length(const Text& text) { return static_cast<std::int32_t>(text.size()); }
std::int32_t bytes_length(const Bytes& bytes) { return static_cast<std::int32_t>(bytes.size()); }

Bytes text_to_bytes(const Text& text) { return Bytes(text.str()); }
Text bytes_to_text(const Bytes& bytes) { return Text(bytes.view()); }

Text detail::concat_pieces(std::initializer_list<std::string_view> pieces) {
  return Text(detail::join_pieces(pieces));
}

namespace {

unsigned char ascii_upper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 0x20) : c;
}

// The character at i, with letters folded to upper case, as one comparable
// value; i moves past it.
int folded_char(std::string_view t, std::size_t& i) {
  const auto c = static_cast<unsigned char>(t[i]);
  if (c >= 0x80 && i + 1 < t.size()) {
    const auto code = static_cast<std::uint16_t>(c << 8 | static_cast<unsigned char>(t[i + 1]));
    i += 2;
    return 0x10000 | gbk_upper(code);
  }
  i += 1;
  return ascii_upper(c);
}

}  // namespace

std::int32_t compare_text(const Text& a, const Text& b, bool case_sensitive) {
  const std::string_view x = a.view();
  const std::string_view y = b.view();
  if (case_sensitive) return x == y ? 0 : (x < y ? -1 : 1);
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < x.size() && j < y.size()) {
    const int cx = folded_char(x, i);
    const int cy = folded_char(y, j);
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  if (i < x.size()) return 1;
  if (j < y.size()) return -1;
  return 0;
}

Text hex_text(std::int32_t value) {
  static constexpr std::string_view digits = "0123456789ABCDEF";
  auto v = static_cast<std::uint32_t>(value);
  std::array<char, 8> out{};
  std::size_t n = 0;
  do {
    out[out.size() - 1 - n] = digits[v & 0xFU];
    v >>= 4U;
    ++n;
  } while (v != 0);
  return Text(std::string_view(out.data() + out.size() - n, n));
}

Text char_of(std::int32_t code) {
  const auto byte = static_cast<char>(static_cast<std::uint32_t>(code) & 0xFFU);
  if (byte == '\0') return {};
  return Text(std::string_view(&byte, 1));
}

}  // namespace velmora
