#include "shortlink/short_link.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "http/request_headers.h"
#include "support/gbk.h"
#include "support/scripted_server.h"

namespace velmora {
namespace {

using testing::http_response;
using testing::ScriptedServer;

std::string page(const std::string& name) {
  std::ifstream in(std::string(VELMORA_PAGES_DIR) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_FALSE(bytes.str().empty()) << name;
  return bytes.str();
}

ShortenerEndpoint local(const ScriptedServer& server) {
  return ShortenerEndpoint{Text(server.url("/index.php/url/shorten")), {}};
}

TEST(ShortenLink, TheRequestOnTheWire) {
  ScriptedServer server({http_response("200 OK", "", page("plain.html"))});
  const Text long_link("http://g.example/qingrenjie/1314.asp?lx=%54&cl=%41");
  EXPECT_EQ(shorten_link(long_link, local(server)), Text("http://short/ab"));
  ASSERT_EQ(server.request_count(), 1U);
  std::string body = "url=";
  for (const char c : long_link.view()) {
    static constexpr char digits[] = "0123456789ABCDEF";
    body += '%';
    body += digits[static_cast<unsigned char>(c) >> 4U];
    body += digits[static_cast<unsigned char>(c) & 0xFU];
  }
  ASSERT_EQ(body.size(), 4 + 3 * long_link.size());
  EXPECT_TRUE(body.starts_with("url=%68%74%74%70%3A%2F%2F"));
  EXPECT_EQ(server.requests()[0],
            "POST /index.php/url/shorten HTTP/1.1\r\n"
            "Host: " +
                server.host() +
                "\r\n"
                "User-Agent: " +
                kDefaultUserAgent + "\r\n" + kDefaultAccept +
                "Referer: " + server.url("/index.php/url/shorten") +
                "\r\n"
                "Accept-Language: zh-cn\r\n"
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: " +
                std::to_string(body.size()) +
                "\r\n"
                "\r\n" +
                body);
}

TEST(ShortenLink, AnswerPages) {
  const struct {
    const char* page;
    Text expected;
  } cases[] = {
      {"plain.html", "http://short/ab"},
      {"other_case.html", "http://short/Cd"},
      {"encoded.html", testing::gbk("http://short/中")},
      {"lf_only.html", ""},
      {"two_markers.html", "http://short/first"},
      {"chinese_before.html", "http://short/zh"},
      {"no_markers.html", ""},
  };
  for (const auto& c : cases) {
    ScriptedServer server(
        {http_response("200 OK", "Content-Type: text/html; charset=utf-8\r\n", page(c.page))});
    EXPECT_EQ(shorten_link("http://g.example/x", local(server)), c.expected) << c.page;
  }
}

TEST(ChooseLink, OnlyStateOneShortens) {
  ScriptedServer server({http_response("200 OK", "", page("plain.html"))});
  const Text long_link("http://g.example/x");
  for (const std::int32_t state : {0, 2, -1}) {
    const LinkChoice choice = choose_link(state, long_link, local(server));
    EXPECT_EQ(choice.link, long_link);
    EXPECT_FALSE(choice.shortening_failed);
  }
  EXPECT_EQ(server.request_count(), 0U);
  const LinkChoice shortened = choose_link(1, long_link, local(server));
  EXPECT_EQ(shortened.link, Text("http://short/ab"));
  EXPECT_FALSE(shortened.shortening_failed);
}

TEST(ChooseLink, AFailedShorteningKeepsTheLongLinkAndSaysSo) {
  ScriptedServer markerless({http_response("200 OK", "", page("no_markers.html"))});
  const LinkChoice choice = choose_link(1, "http://g.example/x", local(markerless));
  EXPECT_EQ(choice.link, Text("http://g.example/x"));
  EXPECT_TRUE(choice.shortening_failed);

  ScriptedServer silent([](std::size_t, const std::string&) {
    return testing::Reply{"", {}, true};
  });
  ShortenerEndpoint impatient = local(silent);
  impatient.timeout_seconds = 1;
  const LinkChoice timed_out = choose_link(1, "http://g.example/y", impatient);
  EXPECT_EQ(timed_out.link, Text("http://g.example/y"));
  EXPECT_TRUE(timed_out.shortening_failed);
}

TEST(ShortenerEndpoint, BuiltFromTheHost) {
  EXPECT_EQ(shortener_endpoint("s.example").address,
            Text("http://s.example/index.php/url/shorten"));
  EXPECT_FALSE(shortener_endpoint("s.example").timeout_seconds.has_value());
}

}  // namespace
}  // namespace velmora
