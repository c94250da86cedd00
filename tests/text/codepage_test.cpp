#include "text/codepage.h"

#include <gtest/gtest.h>

#include "support/gbk.h"
#include "text/percent.h"

namespace velmora {
namespace {

using testing::gbk;

Bytes raw(std::string_view bytes) { return Bytes(bytes); }

TEST(Utf8Conversion, BothWays) {
  EXPECT_EQ(to_utf8(Text("\xD6\xD0")).str(), "\xE4\xB8\xAD");
  EXPECT_EQ(utf8_to_system(Text("\xE4\xB8\xAD")).str(), "\xD6\xD0");
  EXPECT_EQ(utf8_bytes_to_system(raw("\xE4\xB8\xAD")).str(), "\xD6\xD0");
  EXPECT_EQ(to_utf8(Text("plain ASCII ~!")), Text("plain ASCII ~!"));
  EXPECT_EQ(to_utf8(Text()), Text());
  EXPECT_EQ(utf8_to_system(Text()), Text());
  EXPECT_EQ(utf8_bytes_to_system(Bytes()), Text());
}

TEST(Utf8Conversion, InvalidSequencesBecomeOneQuestionMarkEach) {
  const struct {
    std::string_view utf8;
    const char* system;
  } cases[] = {
      {"a\xFF"
       "b",
       "a?b"},
      {"a\xE4\xB8"
       "b",
       "a?b"},  // a truncated sequence is one maximal subpart
      {"a\xE4\xB8\xE4\xB8\xAD", "a?\xD6\xD0"},
      {"\xC0\xAF", "??"},             // overlong form: each byte on its own
      {"\xED\xA0\x80", "???"},        // an encoded surrogate
      {"x\xF0\x9F\x98\x80y", "x?y"},  // a character 936 cannot hold
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8_bytes_to_system(raw(c.utf8)), Text(c.system)) << c.system;
  }
}

TEST(Utf8Conversion, TheDirectFormsEqualTheChainsThroughUtf16) {
  const Text samples[] = {gbk("中文 and ASCII, 情人节快乐"),
                          Text("a\xFF\xE4\xB8"
                               "b\xC0\xAF\xED\xA0\x80"),
                          Text("x\xF0\x9F\x98\x80y\x80\x81"), Text("\xA1\xA1\xFE\xFE")};
  for (const Text& t : samples) {
    EXPECT_EQ(utf8_to_system(t), wide_to_multibyte(multibyte_to_wide(t), kGbkCodePage)) << t.str();
    EXPECT_EQ(to_utf8(t), wide_to_multibyte(multibyte_to_wide(t, kGbkCodePage), kUtf8CodePage))
        << t.str();
  }
}

TEST(Utf8Conversion, GrowthIsNeverCutShort) {
  // Single-byte characters of 936 that take three bytes in UTF-8.
  std::string euro;
  for (int i = 0; i < 200; ++i) euro += "\x80";
  EXPECT_EQ(to_utf8(Text(euro)).size(), 600U);
  // Invalid UTF-8 that pairs up as double-byte text of 936.
  std::string invalid;
  for (int i = 0; i < 100; ++i) invalid += "\xC1\xC1";
  EXPECT_EQ(utf8_to_system(Text(invalid)), Text(std::string(200, '?')));
}

TEST(WideForms, TerminatedAndCounted) {
  EXPECT_EQ(multibyte_to_wide(Text("\xD6\xD0"), kGbkCodePage),
            raw(std::string_view("\x2D\x4E\0\0", 4)));
  EXPECT_EQ(multibyte_to_wide(Text("A")), raw(std::string_view("A\0\0\0", 4)));
  EXPECT_EQ(multibyte_to_wide(Text()), raw(std::string_view("\0\0", 2)));
  EXPECT_EQ(wide_to_multibyte(raw(std::string_view("\x2D\x4E\0\0B\0", 6))).str(), "\xD6\xD0");
  EXPECT_EQ(wide_to_multibyte(raw(std::string_view("\x2D\x4E", 2)), kUtf8CodePage).str(),
            "\xE4\xB8\xAD");
  EXPECT_EQ(wide_to_multibyte(Bytes()), Text());
  EXPECT_EQ(utf8_bytes_to_wide(raw("A\xE4\xB8\xAD")), raw(std::string_view("A\0\x2D\x4E", 4)));
  EXPECT_EQ(utf8_bytes_to_wide(Bytes()), Bytes());
  // Three bytes hold one unit; the third byte is ignored.
  EXPECT_EQ(wide_to_system(raw(std::string_view("\x2D\x4E\x41", 3))).str(), "\xD6\xD0");
  // A character 936 cannot hold is written as '?'.
  EXPECT_EQ(wide_to_system(raw(std::string_view("\xAC\x20", 2))).str(), "\x80");
  EXPECT_EQ(wide_to_system(raw(std::string_view("\x00\x0E", 2))), Text("?"));
}

TEST(WideForms, NonspacingMarksComposeWhereTheCodePageHasTheCharacter) {
  // e + U+0301 is é, which 936 holds (A8 A6).
  EXPECT_EQ(wide_to_system(raw(std::string_view("e\0\x01\x03", 4))).str(), "\xA8\xA6");
  // q + U+0301 has no precomposed form: the base stays and the mark becomes '?'.
  EXPECT_EQ(wide_to_system(raw(std::string_view("q\0\x01\x03", 4))), Text("q?"));
}

TEST(Big5, ToGbkAndToSimplified) {
  // 中華民國 in Big5: A4 A4 B5 D8 A5 C1 B0 EA.
  const Text big5("\xA4\xA4\xB5\xD8\xA5\xC1\xB0\xEA");
  EXPECT_EQ(big5_to_gbk(big5), gbk("中華民國"));
  EXPECT_EQ(big5_to_simplified(big5), gbk("中华民国"));
  EXPECT_EQ(big5_to_gbk(Text("abc")), Text("abc"));
  EXPECT_EQ(big5_to_gbk(Text()), Text());
}

TEST(ToSimplifiedChinese, KeepsTheLengthAndLeavesSimplifiedTextAlone) {
  const Text traditional = gbk("體育與經濟 OK");
  const Text simplified = to_simplified_chinese(traditional);
  EXPECT_EQ(simplified.size(), traditional.size());
  EXPECT_EQ(simplified, gbk("体育与经济 OK"));
  EXPECT_EQ(to_simplified_chinese(simplified), simplified);
  EXPECT_EQ(to_simplified_chinese(Text()), Text());
  EXPECT_EQ(to_simplified_chinese(Text("a\x81")), Text("a\x81"));
}

TEST(PercentEncoding, EveryByteOrTheUnreservedRanges) {
  EXPECT_EQ(percent_encode_utf8(gbk("中")), Text("%E4%B8%AD"));
  EXPECT_EQ(percent_encode_utf8(Text()), Text());
  EXPECT_EQ(percent_encode_each_byte("\xD6\xD0", false), Text("%D6%D0"));
  EXPECT_EQ(percent_encode_each_byte("Tom\t ", false), Text("%54%6F%6D%09%20"));
  EXPECT_EQ(percent_encode_each_byte("a-Z_~", true), Text("a-Z%5F%7E"));
  EXPECT_EQ(percent_encode_each_byte(",/09:+*", true), Text(",/09%3A%2B%2A"));
  EXPECT_EQ(percent_encode_utf8(Text("http://"), true), Text("http%3A//"));
}

TEST(PercentDecoding, Table) {
  const struct {
    Text in;
    Text out;
  } cases[] = {
      {"%E4%B8%AD", gbk("中")},
      {"%e4%b8%ad", gbk("中")},
      {"a+b", "a+b"},
      {"100%", "100%"},
      {"%zz", "%zz"},
      {"%%41", "%A"},
      {"%4", "%4"},
      {"%4g", "%4g"},
      {"a%00b", "ab"},
      {"%41%42", "AB"},
      {"\xE4\xB8\xAD"
       "x",
       Text("\xD6\xD0x")},  // a page in UTF-8 comes back in GBK
      {"%E4", "?"},
      {"%E4%B8", "?"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(percent_decode_utf8(c.in), c.out) << c.in.str();
}

}  // namespace
}  // namespace velmora
