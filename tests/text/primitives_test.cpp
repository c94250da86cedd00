#include "text/primitives.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/gbk.h"
#include "text/event_pump.h"

namespace velmora {
namespace {

using testing::gbk;

TEST(HexText, UpperCaseWithoutLeadingZerosAndTwosComplement) {
  const struct {
    std::int32_t value;
    const char* hex;
  } cases[] = {{0, "0"},         {10, "A"},        {15, "F"},
               {16, "10"},       {255, "FF"},      {0x1234ABCD, "1234ABCD"},
               {-1, "FFFFFFFF"}, {-16, "FFFFFFF0"}};
  for (const auto& c : cases) EXPECT_EQ(hex_text(c.value), Text(c.hex)) << c.value;
}

TEST(CharOf, LowEightBitsAndZeroGivesEmpty) {
  EXPECT_EQ(char_of(0), Text());
  EXPECT_EQ(char_of(256), Text());
  EXPECT_EQ(char_of(321), Text("A"));
  EXPECT_EQ(char_of(-32), Text("\xE0"));
  EXPECT_EQ(char_of(0xD6).str(), std::string("\xD6"));
}

TEST(TextAndBytes, ConversionsStopAtTheFirstZeroByte) {
  EXPECT_EQ(bytes_to_text(Bytes(std::string_view("a\0b", 3))), Text("a"));
  EXPECT_EQ(bytes_to_text(Bytes(std::string_view("\0b", 2))), Text());
  EXPECT_EQ(text_to_bytes(Text("ab")), Bytes(std::string_view("ab")));
  EXPECT_EQ(text_to_bytes(Text()).size(), 0U);
  EXPECT_EQ(Text(std::string("x\0y", 3)).size(), 1U);
  EXPECT_EQ(text_length(gbk("中a")), 3);
  EXPECT_EQ(bytes_length(Bytes(std::string_view("\0\0", 2))), 2);
}

TEST(ConcatText, JoinsInOrder) {
  EXPECT_EQ(concat_text(Text("ab"), "", Text("c"), std::string_view("de")), Text("abcde"));
  EXPECT_EQ(concat_text(Text(), Text()), Text());
}

TEST(CompareText, WholeTextsAndLetterCase) {
  EXPECT_EQ(compare_text("abc", "abc", true), 0);
  EXPECT_NE(compare_text("ab", "abc", true), 0);
  EXPECT_NE(compare_text("abc", "ab", false), 0);
  EXPECT_NE(compare_text("HTTP://", "http://", true), 0);
  EXPECT_EQ(compare_text("HTTP://", "http://", false), 0);
  EXPECT_EQ(compare_text("", "", false), 0);
  // Double-byte letters fold through the code page's upper-case mapping.
  EXPECT_EQ(compare_text(gbk("ａｂ"), gbk("ＡＢ"), false), 0);
  EXPECT_EQ(compare_text(gbk("α"), gbk("Α"), false), 0);
  EXPECT_NE(compare_text(gbk("ａ"), gbk("Ａ"), true), 0);
  // A double-byte character never equals a pair of single-byte ones.
  EXPECT_NE(compare_text(gbk("中"), Text("\xD6\xF0"), false), 0);
  EXPECT_NE(compare_text(gbk("中"), gbk("国"), false), 0);
}

TEST(ProcessEvents, ReturnsAtOnceWithNothingPending) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 1000; ++i) process_events();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

class CountingPump final : public EventPump {
 public:
  void dispatch_pending() override { ++dispatched; }
  void wait_for_input(Clock::time_point) override {}
  void wake() override { ++woken; }
  bool ending() const override { return false; }
  int dispatched = 0;
  int woken = 0;
};

TEST(ProcessEvents, GoesThroughTheInstalledPump) {
  CountingPump pump;
  install_event_pump(&pump);
  process_events();
  process_events();
  wake_window_thread();
  install_event_pump(nullptr);
  process_events();
  EXPECT_EQ(pump.dispatched, 2);
  EXPECT_EQ(pump.woken, 1);
}

}  // namespace
}  // namespace velmora
