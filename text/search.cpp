#include "text/search.h"

#include <string>
#include <string_view>

#include "text/scan.h"

namespace velmora {

std::int32_t find_text(const Text& text, const Text& sought, std::optional<std::int32_t> start,
                       std::optional<bool> ignore_case) {
  const std::string_view t = text.view();
  const std::size_t from =
      (start.has_value() && *start > 1) ? static_cast<std::size_t>(*start) - 1 : 0;
  if (from >= t.size()) return -1;
  if (sought.empty()) return 1;
  const std::size_t at = scan::find_from(t, sought.view(), from, ignore_case.value_or(false));
  return at == std::string_view::npos ? -1 : static_cast<std::int32_t>(at + 1);
}

Text replace_subtext(const Text& text, const Text& sought, const std::optional<Text>& replacement,
                     std::optional<std::int32_t> start, std::optional<std::int32_t> count,
                     std::optional<bool> case_sensitive) {
  const std::string_view t = text.view();
  const std::string_view s = sought.view();
  const std::size_t from =
      (start.has_value() && *start > 1) ? static_cast<std::size_t>(*start) - 1 : 0;
  const bool limited = count.has_value() && *count >= 0;
  if (t.empty() || s.empty() || from >= t.size() || (limited && *count == 0)) return text;

  const std::string_view with = replacement.has_value() ? replacement->view() : std::string_view();
  std::string out;
  out.reserve(t.size());
  out.append(t.substr(0, from));
  std::size_t at = from;
  std::int64_t made = 0;
  while (!limited || made < *count) {
    const std::size_t hit = scan::find_from(t, s, at, !case_sensitive.value_or(false));
    if (hit == std::string_view::npos) break;
    out.append(t.substr(at, hit - at));
    out.append(with);
    at = hit + s.size();
    ++made;
  }
  out.append(t.substr(at));
  return Text(std::move(out));
}

namespace {

// Length of the blank that begins at i: 1 for 0x20, 2 for A1 A1, else 0.
std::size_t blank_at(std::string_view t, std::size_t i) {
  if (t[i] == ' ') return 1;
  if (t[i] == '\xA1' && i + 1 < t.size() && t[i + 1] == '\xA1') return 2;
  return 0;
}

}  // namespace

Text trim_both(const Text& text) {
  const std::string_view t = text.view();
  std::size_t begin = 0;
  while (begin < t.size()) {
    const std::size_t blank = blank_at(t, begin);
    if (blank == 0) break;
    begin += blank;
  }
  std::size_t end = begin;
  std::size_t i = begin;
  while (i < t.size()) {
    const std::size_t blank = blank_at(t, i);
    if (blank != 0) {
      i += blank;
      continue;
    }
    i = std::min(t.size(), i + scan::char_width(t[i]));
    end = i;
  }
  return Text(t.substr(begin, end - begin));
}

namespace {

template <char From, char To>
Text map_letters(const Text& text) {
  std::string out = text.str();
  std::size_t i = 0;
  while (i < out.size()) {
    if (out[i] >= From && out[i] <= static_cast<char>(From + 25)) {
      out[i] = static_cast<char>(out[i] - From + To);
    }
    i += scan::char_width(out[i]);
  }
  return Text(std::move(out));
}

}  // namespace

Text to_lower(const Text& text) { return map_letters<'A', 'a'>(text); }
Text to_upper(const Text& text) { return map_letters<'a', 'A'>(text); }

}  // namespace velmora
