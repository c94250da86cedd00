#include "text/scan.h"

namespace velmora::scan {
namespace {

char fold_byte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c; }

bool folded_match_at(std::string_view text, std::string_view sought, std::size_t at) {
  std::size_t j = 0;
  while (j < sought.size()) {
    const char t = text[at + j];
    if (is_lead(t)) {
      if (sought[j] != t) return false;
      if (j + 1 < sought.size() && text[at + j + 1] != sought[j + 1]) return false;
      j += 2;
    } else {
      if (fold_byte(t) != fold_byte(sought[j])) return false;
      j += 1;
    }
  }
  return true;
}

std::size_t find_folded(std::string_view text, std::string_view sought, std::size_t from) {
  for (std::size_t i = from; i + sought.size() <= text.size(); i += char_width(text[i])) {
    if (folded_match_at(text, sought, i)) return i;
  }
  return std::string_view::npos;
}

// Exact search: the byte search finds candidates; a candidate counts only on a
// character boundary. After any byte below 0x80 the next position is a
// boundary (the byte was a character or the second byte of one), so a
// candidate is a boundary exactly when the run of bytes of 0x80 or above right
// before it, back to such a byte or to a known boundary, has even length. The
// known boundary only moves forward, so every byte is looked at a bounded
// number of times.
std::size_t find_exact(std::string_view text, std::string_view sought, std::size_t from) {
  std::size_t boundary = from;
  std::size_t pos = from;
  while (true) {
    const std::size_t hit = text.find(sought, pos);
    if (hit == std::string_view::npos) return hit;
    std::size_t k = hit;
    while (k > boundary && is_lead(text[k - 1])) --k;
    if ((hit - k) % 2 == 0) return hit;
    boundary = hit + 1;  // hit is a second byte, so the next one starts a character
    pos = hit + 1;
  }
}

}  // namespace

std::size_t find_from(std::string_view text, std::string_view sought, std::size_t from, bool fold) {
  if (from >= text.size() || sought.size() > text.size() - from) return std::string_view::npos;
  return fold ? find_folded(text, sought, from) : find_exact(text, sought, from);
}

}  // namespace velmora::scan
