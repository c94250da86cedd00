#include "text/values.h"

#include <algorithm>
#include <string>

namespace velmora {

Text blank_text(std::int32_t n) {
  if (n < 1) return {};
  return Text(std::string(static_cast<std::size_t>(n), ' '));
}

Bytes blank_bytes(std::int32_t n) {
  if (n < 1) return {};
  return Bytes(std::string(static_cast<std::size_t>(n), '\0'));
}

Bytes bytes_left(const Bytes& bytes, std::int32_t n) {
  if (n <= 0) return {};
  return Bytes(bytes.view().substr(0, static_cast<std::size_t>(n)));
}

bool bytes_equal(const Bytes& a, const Bytes& b) { return a.view() == b.view(); }

Bytes concat_bytes(std::initializer_list<std::string_view> parts) {
  return Bytes(detail::join_pieces(parts));
}

std::string detail::join_pieces(std::initializer_list<std::string_view> pieces) {
  std::size_t total = 0;
  for (auto piece : pieces) total += piece.size();
  std::string joined;
  joined.reserve(total);
  for (auto piece : pieces) joined.append(piece);
  return joined;
}

}  // namespace velmora
