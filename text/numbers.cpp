#include "text/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {
namespace {

// Full-width digits, signs and letters (A3 A1 to A3 FE) become their ASCII
// byte; the double-byte blank, tilde and stars become ' ', '~' and '*'.
std::string half_width(std::string_view t) {
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const auto lead = static_cast<unsigned char>(t[i]);
    if (lead < 0x80 || i + 1 >= t.size()) {
      out.push_back(t[i]);
      i += 1;
      continue;
    }
    const auto trail = static_cast<unsigned char>(t[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      out.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out.push_back('*');
    } else {
      out.append(t.substr(i, 2));
    }
    i += 2;
  }
  return out;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double to_number(const Text& text) {
  const std::string t = half_width(text.view());
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;

  // The number is copied into a form that from_chars reads: sign, digits with
  // at most one '.', and an exponent written with 'e'.
  std::string number;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  bool digits = false;
  bool point = false;
  for (; i < t.size(); ++i) {
    if (is_digit(t[i])) {
      digits = true;
      number.push_back(t[i]);
    } else if (t[i] == '.' && !point) {
      point = true;
      number.push_back('.');
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  bool exponent_negative = false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
      exponent_negative = t[j] == '-';
      exponent.push_back(t[j++]);
    }
    if (j < t.size() && is_digit(t[j])) {
      while (j < t.size() && is_digit(t[j])) exponent.push_back(t[j++]);
      number += exponent;
    }
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    value = exponent_negative ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

std::int32_t truncate_to_integer(double value) {
  if (std::isnan(value)) return 0;
  constexpr double two_to_63 = 9223372036854775808.0;
  std::int64_t whole = 0;
  if (value >= two_to_63) {
    whole = std::numeric_limits<std::int64_t>::max();
  } else if (value < -two_to_63) {
    whole = std::numeric_limits<std::int64_t>::min();
  } else {
    whole = static_cast<std::int64_t>(value);
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

Text number_to_text(std::int32_t value) { return Text(std::to_string(value)); }

Text bool_to_text(bool value) { return value ? kTrueText : kFalseText; }

}  // namespace velmora
