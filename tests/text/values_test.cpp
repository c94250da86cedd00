#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/gbk.h"
#include "text/clock.h"
#include "text/line_reader.h"
#include "text/numbers.h"
#include "text/values.h"

namespace velmora {
namespace {

using testing::gbk;

TEST(ToNumber, Table) {
  const struct {
    Text text;
    double expected;
  } cases[] = {
      {"81", 81},        {" 81", 81},      {"81abc", 81},  {gbk("８１"), 81},   {"", 0},
      {"abc", 0},        {"- 7", 0},       {"1e3", 1000},  {"1d3", 1000},       {"1E+2", 100},
      {"2e-1", 0.2},     {".5", 0.5},      {"81.9", 81.9}, {"-5.5", -5.5},      {"+4", 4},
      {"\t\r\n 12", 12}, {"1.2.3", 1.2},   {"1e", 1},      {"1e+", 1},          {".", 0},
      {gbk("－３"), -3}, {gbk("　７"), 7}, {"0x10", 0},    {"1e999", HUGE_VAL},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(to_number(c.text), c.expected) << c.text.str();
}

TEST(TruncateToInteger, TowardZeroLowBitsAndClamped) {
  EXPECT_EQ(truncate_to_integer(to_number("81.9")), 81);
  EXPECT_EQ(truncate_to_integer(-5.5), -5);
  EXPECT_EQ(truncate_to_integer(4294967377.0), 81);  // low 32 bits of a 64-bit value
  EXPECT_EQ(truncate_to_integer(std::nan("")), 0);
  // Beyond 64 bits the value is clamped rather than undefined.
  EXPECT_EQ(truncate_to_integer(to_number("99999999999999999999999")), -1);
  EXPECT_EQ(truncate_to_integer(-std::numeric_limits<double>::infinity()), 0);
}

TEST(NumberAndTruthTexts, Forms) {
  EXPECT_EQ(number_to_text(25), Text("25"));
  EXPECT_EQ(number_to_text(-7), Text("-7"));
  EXPECT_EQ(number_to_text(0), Text("0"));
  EXPECT_EQ(bool_to_text(true), gbk("真"));
  EXPECT_EQ(bool_to_text(false), gbk("假"));
}

TEST(Values, BlanksZerosAndByteStrings) {
  EXPECT_EQ(blank_text(3), Text("   "));
  EXPECT_EQ(blank_text(0), Text());
  EXPECT_EQ(blank_bytes(-3), Bytes());
  EXPECT_EQ(repeat_zero_bytes(3), Bytes(std::string_view("\0\0\0", 3)));
  EXPECT_EQ(repeat_spaces(0), Text());
  EXPECT_EQ(bytes_left(Bytes(std::string_view("a\0b", 3)), 2), Bytes(std::string_view("a\0", 2)));
  EXPECT_EQ(bytes_left(Bytes(std::string_view("ab")), 0), Bytes());
  EXPECT_EQ(bytes_left(Bytes(std::string_view("ab")), 9), Bytes(std::string_view("ab")));
  EXPECT_TRUE(bytes_equal(Bytes(), Bytes(std::string_view(""))));
  EXPECT_FALSE(bytes_equal(Bytes(std::string_view("a\0", 2)), Bytes(std::string_view("a"))));
  EXPECT_EQ(concat_bytes(Bytes(), Bytes()), Bytes());
  EXPECT_EQ(concat_bytes(Bytes(std::string_view("a\0", 2)), Bytes(std::string_view("b"))),
            Bytes(std::string_view("a\0b", 3)));
  EXPECT_EQ(bit_or(0x80000000U, 0x10, 0x4000), static_cast<std::int32_t>(0x80004010U));
}

std::vector<std::string> lines_of(std::string bytes) {
  TextStream stream(std::move(bytes));
  std::vector<std::string> lines;
  while (!stream.at_end()) {
    const std::size_t before = stream.position;
    lines.push_back(read_line(stream).str());
    EXPECT_GT(stream.position, before);
  }
  EXPECT_EQ(read_line(stream), Text());
  return lines;
}

TEST(ReadLine, Table) {
  using L = std::vector<std::string>;
  EXPECT_EQ(lines_of("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\n\r\n"),
            (L{"HTTP/1.1 200 OK", "Set-Cookie: a=1", ""}));
  EXPECT_EQ(lines_of("a\r\r\nb"), (L{"a\r", "b"}));
  EXPECT_EQ(lines_of("a\n\nb\r"), (L{"a", "", "b"}));
  EXPECT_EQ(lines_of(""), L{});
  // An LF right after a lead byte is that character's second byte.
  EXPECT_EQ(lines_of("\x81\nx\ny"), (L{"\x81\nx", "y"}));
  // 0x1A ends its line and the next starts after it.
  EXPECT_EQ(lines_of("a\x1A"
                     "b\r\nc\x1A"),
            (L{"a", "b", "c"}));
  EXPECT_EQ(lines_of("\x1A\x1A"), (L{"", ""}));
  EXPECT_EQ(lines_of("x\x81"), (L{"x\x81"}));
}

TEST(UptimeMs, MovesWithTheMonotonicClock) {
  const std::int32_t first = uptime_ms();
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
  while (std::chrono::steady_clock::now() < until) {
  }
  const std::int32_t elapsed = static_cast<std::int32_t>(static_cast<std::uint32_t>(uptime_ms()) -
                                                         static_cast<std::uint32_t>(first));
  EXPECT_GE(elapsed, 20);
  EXPECT_LT(elapsed, 1000);
}

}  // namespace
}  // namespace velmora
