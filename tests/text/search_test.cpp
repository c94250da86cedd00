#include "text/search.h"

#include <gtest/gtest.h>

#include "support/gbk.h"
#include "text/cutting.h"

namespace velmora {
namespace {

using testing::gbk;

struct FindCase {
  Text text;
  Text sought;
  std::optional<std::int32_t> start;
  bool ignore_case;
  std::int32_t expected;
};

TEST(FindText, Table) {
  const FindCase cases[] = {
      {"abcabc", "c", 4, false, 6},  // counted from the text's start
      {"abcabc", "c", {}, false, 3},
      {"abc", "", {}, false, 1},
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},
      {"", "", {}, false, -1},
      {"abc", "a", -5, false, 1},  // below 1 means 1
      {"abc", "abcd", {}, false, -1},
      {"aXa", "x", 1, true, 2},
      {"aXa", "x", 1, false, -1},
      {gbk("中a"), "a", 1, false, 3},
      {Text("\x81\x41"), "A", 1, false, -1},  // 'A' is the second byte of 丄
      {Text("\x81\x41"), "a", 1, true, -1},
      // Ignoring case folds single-byte characters only: 丄 (81 41) is not 乤 (81 61).
      {Text("x\x81\x61"), Text("\x81\x41"), 1, true, -1},
      {Text("x\x81\x41"), Text("\x81\x41"), 1, true, 2},
      {gbk("ＡA"), "a", 1, true, 3},
      // The stepping counts from start: from a second byte the pairs shift.
      {Text("\x81\x41\x42"), "A", 2, false, 2},
      {Text("\xB0\xA1\xB0\xA1"), Text("\xA1\xB0"), 1, false, -1},
      {Text("a\xB0\xA1\xB0\xA1"), Text("\xA1\xB0"), 3, false, 3},
      // A lone lead byte at the end is compared there.
      {Text("ab\x81"), Text("\x81"), 1, false, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_text(c.text, c.sought, c.start, c.ignore_case), c.expected)
        << testing::utf8_of_gbk(c.text.view()) << " / " << c.sought.str();
  }
}

TEST(FindText, SkipsMatchesOnSecondBytesDeepInDoubleByteRuns) {
  // 64 KiB of double-byte characters whose second byte is 'A', then the real 'A'.
  std::string s;
  for (int i = 0; i < 32768; ++i) s += "\x81\x41";
  s += "A";
  EXPECT_EQ(find_text(Text(s), "A"), static_cast<std::int32_t>(s.size()));
  EXPECT_EQ(find_text(Text(s), "a", 1, true), static_cast<std::int32_t>(s.size()));
}

struct ReplaceCase {
  Text text;
  Text sought;
  std::optional<Text> replacement;
  std::optional<std::int32_t> start;
  std::optional<std::int32_t> count;
  bool case_sensitive;
  Text expected;
};

TEST(ReplaceSubtext, Table) {
  const ReplaceCase cases[] = {
      {"aXbxc", "x", Text("-"), 1, -1, false, "a-b-c"},
      {"aXbxc", "x", Text("-"), 1, -1, true, "aXb-c"},
      {"aaaa", "a", Text("b"), 2, 2, true, "abba"},
      {"abc", "", Text("x"), 1, -1, true, "abc"},
      {"a.b.c", ".", Text(".."), {}, {}, true, "a..b..c"},
      {"aaa", "aa", Text("b"), {}, {}, true, "ba"},
      {"abc", "b", {}, {}, {}, true, "ac"},
      {"abc", "b", Text("x"), 4, {}, true, "abc"},
      {"abc", "b", Text("x"), {}, 0, true, "abc"},
      {"", "b", Text("x"), {}, {}, true, ""},
      {"bab", "b", Text("x"), -3, 1, true, "xab"},
      // Never within a double-byte character, and case folds single bytes only.
      {Text("\x81\x41"
            "A"),
       "A",
       Text("-"),
       {},
       {},
       true,
       Text("\x81\x41-")},
      {Text("x\x81\x61"), Text("\x81\x41"), Text("-"), {}, {}, false, Text("x\x81\x61")},
      {gbk("中国中"), gbk("中"), Text("Z"), {}, {}, true, gbk("Z国Z")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replace_subtext(c.text, c.sought, c.replacement, c.start, c.count, c.case_sensitive),
              c.expected)
        << c.text.str() << " / " << c.sought.str();
  }
}

TEST(TrimBoth, BlanksAreSpaceAndTheDoubleByteBlankOnly) {
  const struct {
    Text text;
    Text expected;
  } cases[] = {
      {gbk("　 a b 　"), "a b"},
      {"   ", ""},
      {gbk("　　"), ""},
      {"\ta\t", "\ta\t"},
      {" \r\n", "\r\n"},
      {"", ""},
      // A1 A1 that straddles two characters is no blank: B0 A1 | A1 A1.
      {Text("\xB0\xA1\xA1\xA1"), Text("\xB0\xA1")},
      {Text("\xA1\xB0\xA1 "), Text("\xA1\xB0\xA1 ")},  // A1 20 is one character
      {Text("a\x81"), Text("a\x81")},
  };
  for (const auto& c : cases) EXPECT_EQ(trim_both(c.text), c.expected) << c.text.str();
}

TEST(LetterCase, SingleByteLettersOnly) {
  EXPECT_EQ(to_lower(gbk("ＡA中Z")), gbk("Ａa中z"));
  EXPECT_EQ(to_upper(Text("az{@")), Text("AZ{@"));
  // The second byte of 丄 (81 41) and of 乤 (81 61) stays.
  EXPECT_EQ(to_lower(Text("\x81\x41"
                          "A")),
            Text("\x81\x41"
                 "a"));
  EXPECT_EQ(to_upper(Text("\x81\x61"
                          "a")),
            Text("\x81\x61"
                 "A"));
  EXPECT_EQ(to_lower(Text("A\x81")), Text("a\x81"));
}

TEST(Cutting, ClampedPositionsAndCounts) {
  EXPECT_EQ(text_mid("abcdef", 0, 2), Text());
  EXPECT_EQ(text_mid("abcdef", 5, 9), Text("ef"));
  EXPECT_EQ(text_mid("abcdef", 7, 1), Text());
  EXPECT_EQ(text_mid("abcdef", 2, 0), Text());
  EXPECT_EQ(text_left("abc", -1), Text());
  EXPECT_EQ(text_left("abc", 2), Text("ab"));
  EXPECT_EQ(text_left("abc", 9), Text("abc"));
  EXPECT_EQ(text_right("abc", 5), Text("abc"));
  EXPECT_EQ(text_right("abc", 1), Text("c"));
  EXPECT_EQ(text_right("abc", 0), Text());
  EXPECT_EQ(replace_span("Set-Cookie: a=1", 1, 12), Text("a=1"));
  EXPECT_EQ(replace_span("abcdef", 3, 2, Text("XY")), Text("abXYef"));
  EXPECT_EQ(replace_span("abc", 5, 1, Text("X")), Text("abcX"));
  EXPECT_EQ(replace_span("abc", -2, 1), Text("bc"));
  EXPECT_EQ(replace_span("abc", 2, 99), Text("a"));
  EXPECT_EQ(replace_span("abc", 2, -1, Text("-")), Text("a-bc"));
}

}  // namespace
}  // namespace velmora
