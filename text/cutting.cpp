#include "text/cutting.h"

#include <algorithm>
#include <string>

namespace velmora {

Text text_left(const Text& text, std::int32_t n) {
  if (n <= 0) return {};
  return Text(text.view().substr(0, static_cast<std::size_t>(n)));
}

Text text_right(const Text& text, std::int32_t n) {
  if (n <= 0) return {};
  const std::size_t keep = std::min(text.size(), static_cast<std::size_t>(n));
  return Text(text.view().substr(text.size() - keep));
}

Text text_mid(const Text& text, std::int32_t start, std::int32_t n) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || n <= 0) return {};
  return Text(text.view().substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Text replace_span(const Text& text, std::int32_t start, std::int32_t n,
                  const std::optional<Text>& replacement) {
  const std::string_view t = text.view();
  const std::size_t place = start < 1 ? 0 : std::min(t.size(), static_cast<std::size_t>(start) - 1);
  const std::size_t removed = n > 0 ? std::min(t.size() - place, static_cast<std::size_t>(n)) : 0;
  std::string out;
  out.reserve(t.size() - removed + (replacement ? replacement->size() : 0));
  out.append(t.substr(0, place));
  if (replacement) out.append(replacement->view());
  out.append(t.substr(place + removed));
  return Text(std::move(out));
}

}  // namespace velmora
