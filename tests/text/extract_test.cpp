#include "text/extract.h"

#include <gtest/gtest.h>

#include "support/gbk.h"
#include "text/address.h"
#include "text/primitives.h"

namespace velmora {
namespace {

TEST(TextBetween, Table) {
  const struct {
    Text text, left, right;
    std::optional<std::int32_t> start;
    std::optional<bool> case_sensitive;
    Text expected;
  } cases[] = {
      {"<P>x</p>", "<p>", "</P>", {}, {}, "x"},
      {"<P>x</p>", "<p>", "</P>", {}, true, ""},
      {"a[x]b[y]", "[", "]", {}, {}, "x"},
      {"a[x]b[y]", "[", "]", 2, {}, "x"},
      {"a[x]b[y]", "[", "]", 5, {}, ""},  // ']' sought from 5 within 'y]'
      {"say \"hi\" now", kQuoteMarker, kQuoteMarker, {}, {}, "hi"},
      {"<a href=\"u\">", concat_text("href=", kQuoteMarker), kQuoteMarker, {}, {}, "u"},
      {"abc", "", "c", {}, {}, "ab"},
      {"abc", "a", "", {}, {}, ""},
      {"abc", "c", "x", {}, {}, ""},
      {"abc", "x", "c", {}, {}, ""},
      {"", "", "", {}, {}, ""},
      {"[1][2]", "[", "]", {}, {}, "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text_between(c.text, c.left, c.right, c.start, c.case_sensitive), c.expected)
        << c.text.str();
  }
}

TEST(TextBefore, Table) {
  EXPECT_EQ(text_before("a=1; path=/", ";"), Text("a=1"));
  EXPECT_EQ(text_before("a=1", ";"), Text());
  EXPECT_EQ(text_before(";a", ";"), Text());
  EXPECT_EQ(text_before("a;b;c", ";", 3), Text("a;b"));
  EXPECT_EQ(text_before("a;b", ";", -4), Text("a"));
  EXPECT_EQ(text_before("aXb", "x"), Text());
  EXPECT_EQ(text_before("aXb", "x", {}, true), Text("a"));
}

TEST(AddressSplitting, Table) {
  const struct {
    Text address;
    Text host;
    Text path;
    std::int32_t port;
  } cases[] = {
      {"http://box:81/x", "box", "/x", 81},
      {"http://box", "box", "/", 80},
      {"http://Box/X", "box", "/X", 80},
      {"http://box/a?u=http://q/r", "box", "/a?u=http://q/r", 80},
      {"Box:82/a/b", "box", "/a/b", 82},
      {"http://box:81:9/x", "box", "/x", 81},
      {"http://box:/x", "box", "/x", 80},
      {"http://h/x", "h", "/x", 80},
      {"http://h", "h", "/", 80},
      {"http://h:81/x", "h", "/x", 81},
      {"h:81", "h", "/", 81},
      {"https://h/x", "h", "/x", 443},
      {"https://box:444/x", "box", "/x", 444},
      {"HTTPS://Box", "box", "/", 443},
      {"HTTP://H/x", "h", "/x", 80},
      {"HTTP://H:81/x", "h", "/x", 81},
      {"", "", "/", 80},
      {"http://h:abc/", "h", "/", 0},
      {"x/http://y", "x", "/http://y", 80},
      {"http://h/go?to=https://other", "h", "/go?to=https://other", 80},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(url_host(c.address), c.host) << c.address.str();
    EXPECT_EQ(url_path(c.address), c.path) << c.address.str();
    EXPECT_EQ(url_port(c.address), c.port) << c.address.str();
  }
  EXPECT_TRUE(is_secure_address("HtTpS://h/"));
  EXPECT_FALSE(is_secure_address("http://host/go?to=https://other"));
  EXPECT_TRUE(has_web_scheme("HTTP://srv/"));
  EXPECT_TRUE(has_web_scheme("https://srv/"));
  EXPECT_FALSE(has_web_scheme(" http://srv/"));
  EXPECT_FALSE(has_web_scheme("srv/x?u=http://y"));
}

}  // namespace
}  // namespace velmora
