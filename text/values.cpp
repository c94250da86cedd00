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
  std::size_t total = 0;
  for (auto part : parts) total += part.size();
  std::string joined;
  joined.reserve(total);
  for (auto part : parts) joined.append(part);
  return Bytes(std::move(joined));
}

}  // namespace velmora
