#include "text/extract.h"

#include "text/cutting.h"
#include "text/primitives.h"
#include "text/search.h"

namespace velmora {
namespace {

Text with_quotes(const Text& marker) {
  if (find_text(marker, kQuoteMarker) == -1) return marker;
  return replace_subtext(marker, kQuoteMarker, Text("\""), 1, {}, true);
}

}  // namespace

Text text_between(const Text& text, const Text& left, const Text& right,
                  std::optional<std::int32_t> start, std::optional<bool> case_sensitive) {
  const Text left_marker = with_quotes(left);
  const Text right_marker = with_quotes(right);
  const bool ignore_case = !case_sensitive.value_or(false);
  const std::int32_t p = find_text(text, left_marker, start, ignore_case);
  if (p == -1) return {};
  const Text rest = text_right(text, text_length(text) - p - text_length(left_marker) + 1);
  const std::int32_t q = find_text(rest, right_marker, start, ignore_case);
  if (q == -1) return {};
  return text_left(rest, q - 1);
}

Text text_before(const Text& text, const Text& separator, std::optional<std::int32_t> start,
                 std::optional<bool> ignore_case) {
  const std::int32_t from = (start.has_value() && *start >= 1) ? *start : 1;
  const std::int32_t p = find_text(text, separator, from, ignore_case.value_or(false));
  if (p == -1) return {};
  return text_left(text, p - 1);
}

}  // namespace velmora
