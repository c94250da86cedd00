#include "text/primitives.h"

#include <array>
#include <string>

#include "text/gbk_case.h"

namespace velmora {

std::int32_t text_length(const Text& text) { return static_cast<std::int32_t>(text.size()); }
std::int32_t bytes_length(const Bytes& bytes) { return static_cast<std::int32_t>(bytes.size()); }

Bytes text_to_bytes(const Text& text) { return Bytes(text.str()); }
Text bytes_to_text(const Bytes& bytes) { return Text(bytes.view()); }

Text detail::concat_pieces(std::initializer_list<std::string_view> pieces) {
  std::size_t total = 0;
  for (auto piece : pieces) total += piece.size();
  std::string joined;
  joined.reserve(total);
  for (auto piece : pieces) joined.append(piece);
  return Text(std::move(joined));
}

namespace {

unsigned char ascii_upper(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 0x20) : c;
}

}  // namespace

std::int32_t compare_text(const Text& a, const Text& b, bool case_sensitive) {
  const std::string_view x = a.view();
  const std::string_view y = b.view();
  if (case_sensitive) return x == y ? 0 : (x < y ? -1 : 1);
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < x.size() && j < y.size()) {
    const auto cx = static_cast<unsigned char>(x[i]);
    const auto cy = static_cast<unsigned char>(y[j]);
    int ux = 0;
    int uy = 0;
    if (cx >= 0x80 && i + 1 < x.size()) {
      ux = 0x10000 | gbk_upper(static_cast<std::uint16_t>(cx << 8 | static_cast<unsigned char>(x[i + 1])));
      i += 2;
    } else {
      ux = ascii_upper(cx);
      i += 1;
    }
    if (cy >= 0x80 && j + 1 < y.size()) {
      uy = 0x10000 | gbk_upper(static_cast<std::uint16_t>(cy << 8 | static_cast<unsigned char>(y[j + 1])));
      j += 2;
    } else {
      uy = ascii_upper(cy);
      j += 1;
    }
    if (ux != uy) return ux < uy ? -1 : 1;
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
