// What comes back from a transfer: body, header text, cookies, redirects, faults.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "http/fetch.h"
#include "http/transfer.h"
#include "support/gbk.h"
#include "support/scripted_server.h"
#include "text/primitives.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using testing::http_response;
using testing::Reply;
using testing::ScriptedServer;

// Servers that set cookies listen here, apart from the other tests' 127.0.0.1.
const std::string kCookieSetter = "127.0.0.2";

struct Fetched {
  Bytes body;
  Text headers;
  Text cookies;
};

Fetched fetch(const std::string& address, FetchOptions o = {}) {
  Fetched f;
  Text a(address);
  o.response_headers = &f.headers;
  o.response_cookies = &f.cookies;
  f.body = http_fetch(a, o);
  return f;
}

TEST(Response, BodyWithZeroBytesRawOrCutWhenDecoded) {
  const std::string body("a\0b\xE4\xB8\xAD", 6);
  ScriptedServer server({http_response("200 OK", "", body)});
  EXPECT_EQ(fetch(server.url("/")).body, Bytes(body));
  FetchOptions utf8;
  utf8.result_kind = 1;
  EXPECT_EQ(fetch(server.url("/"), utf8).body, Bytes(std::string_view("a")));
  FetchOptions big5;
  big5.result_kind = 2;
  EXPECT_EQ(fetch(server.url("/"), big5).body, Bytes(std::string_view("a")));
}

TEST(Response, DecodedAsUtf8OrBig5) {
  ScriptedServer server({http_response("200 OK", "", "\xE4\xB8\xAD\xE6\x96\x87 ok"),
                         http_response("200 OK", "", "\xA4\xA4\xB5\xD8 ok")});
  FetchOptions utf8;
  utf8.result_kind = 1;
  EXPECT_EQ(bytes_to_text(fetch(server.url("/"), utf8).body), testing::gbk("中文 ok"));
  FetchOptions big5;
  big5.result_kind = 2;
  EXPECT_EQ(bytes_to_text(fetch(server.url("/"), big5).body), testing::gbk("中华 ok"));
}

TEST(Response, HeaderTextOfTheFinalResponseAndCollectedCookies) {
  const std::string head =
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\nContent-Length: 0\r\n\r\n";
  ScriptedServer server({head}, kCookieSetter);
  const Fetched f = fetch(server.url("/"));
  EXPECT_EQ(f.body, Bytes());
  EXPECT_EQ(f.headers, Text(head));
  EXPECT_EQ(f.cookies, Text("a=1;;"));
}

TEST(Response, NoSetCookieGivesNoCookies) {
  ScriptedServer server({http_response("200 OK", "X-A: b\r\n", "x")});
  const Fetched f = fetch(server.url("/"));
  EXPECT_EQ(f.cookies, Text());
  EXPECT_TRUE(f.headers.str().starts_with("HTTP/1.1 200 OK\r\nX-A: b\r\n"));
}

TEST(Response, LongHeadersComeBackWholeWithTheirCookies) {
  const std::string filler = "X-Filler: " + std::string(5000, 'f') + "\r\n";
  ScriptedServer server({http_response("200 OK", filler + "Set-Cookie: late=9; path=/\r\n", "ok")},
                        kCookieSetter);
  const Fetched f = fetch(server.url("/"));
  EXPECT_GT(f.headers.size(), 5000U);
  EXPECT_NE(f.headers.str().find(filler), std::string::npos);
  EXPECT_EQ(f.cookies, Text("late=9;"));
  EXPECT_EQ(f.body, Bytes(std::string_view("ok")));
}

TEST(Response, ByteOxOneAInTheHeaders) {
  ScriptedServer server({http_response("200 OK",
                                       "X-Odd: a\x1A"
                                       "b\r\nSet-Cookie: s=1; x\r\n",
                                       "ok")},
                        kCookieSetter);
  const Fetched f = fetch(server.url("/"));
  EXPECT_NE(f.headers.str().find("X-Odd: a\x1A"
                                 "b\r\n"),
            std::string::npos);
  EXPECT_EQ(f.cookies, Text("s=1;"));
}

TEST(Response, InterimContinueIsNotPartOfTheHeaders) {
  ScriptedServer server(
      {"HTTP/1.1 100 Continue\r\n\r\n" + http_response("201 Created", "", "made")});
  const Fetched f = fetch(server.url("/"));
  EXPECT_TRUE(f.headers.str().starts_with("HTTP/1.1 201 Created\r\n")) << f.headers.str();
  EXPECT_EQ(f.body, Bytes(std::string_view("made")));
}

TEST(Cookies, TheStoreKeepsWhatASiteSetsUnlessTheCallerGivesCookies) {
  ScriptedServer server({http_response("200 OK", "Set-Cookie: sid=42; Path=/\r\n", "1"),
                         http_response("200 OK", "Set-Cookie: other=7; Path=/\r\n", "2"),
                         http_response("200 OK", "", "3")},
                        "127.0.0.3");
  const std::string base = server.url("");
  fetch(base + "/first");
  FetchOptions own;
  own.cookies = Text("mine=1");
  fetch(base + "/second", own);
  fetch(base + "/third");
  const auto r = server.requests();
  ASSERT_EQ(r.size(), 3U);
  EXPECT_EQ(r[0].find("Cookie"), std::string::npos);
  EXPECT_NE(r[1].find("\r\nCookie: mine=1\r\n\r\n"), std::string::npos) << r[1];
  EXPECT_EQ(r[1].find("sid=42"), std::string::npos) << r[1];
  EXPECT_NE(r[2].find("Cookie: sid=42\r\n"), std::string::npos) << r[2];
  EXPECT_EQ(r[2].find("other=7"), std::string::npos) << r[2];
}

TEST(Redirects, FollowedWithPostTurningIntoGet) {
  ScriptedServer server([](std::size_t n, const std::string&) {
    if (n == 0) return Reply{http_response("302 Found", "Location: /next?x=1\r\n", "moved")};
    return Reply{http_response("200 OK", "X-Final: yes\r\n", "arrived")};
  });
  FetchOptions post;
  post.method = 1;
  post.request_body = Bytes(std::string_view("k=v"));
  const Fetched f = fetch(server.url("/start"), post);
  EXPECT_EQ(f.body, Bytes(std::string_view("arrived")));
  EXPECT_TRUE(f.headers.str().starts_with("HTTP/1.1 200 OK\r\nX-Final: yes\r\n"));
  const auto r = server.requests();
  ASSERT_EQ(r.size(), 2U);
  EXPECT_TRUE(r[0].starts_with("POST /start HTTP/1.1\r\n"));
  EXPECT_TRUE(r[1].starts_with("GET /next?x=1 HTTP/1.1\r\n")) << r[1];
  EXPECT_EQ(r[1].find("Content-Length"), std::string::npos);
}

TEST(Redirects, NotFollowedWhenAskedNotTo) {
  ScriptedServer server({http_response("301 Moved", "Location: /else\r\n", "see else")});
  FetchOptions o;
  o.follow_redirects = false;
  const Fetched f = fetch(server.url("/"), o);
  EXPECT_EQ(f.body, Bytes(std::string_view("see else")));
  EXPECT_TRUE(f.headers.str().starts_with("HTTP/1.1 301 Moved\r\n"));
  EXPECT_EQ(server.request_count(), 1U);
}

TEST(Redirects, ALoopEndsAsAFailedTransfer) {
  ScriptedServer server({http_response("302 Found", "Location: /again\r\n", "")});
  const Fetched f = fetch(server.url("/"));
  EXPECT_EQ(f.body, Bytes());
  EXPECT_EQ(server.request_count(), static_cast<std::size_t>(kMaxRedirects + 1));
}

int closed_port() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  ::close(fd);
  return ntohs(addr.sin_port);
}

TEST(Faults, ConnectionRefusedGivesAnEmptyBody) {
  const Fetched f = fetch("http://127.0.0.1:" + std::to_string(closed_port()) + "/");
  EXPECT_EQ(f.body, Bytes());
  EXPECT_EQ(f.headers, Text());
  EXPECT_EQ(f.cookies, Text());
}

TEST(Faults, ABodyCutShortKeepsWhatArrived) {
  ScriptedServer server({"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nonly ten.."});
  EXPECT_EQ(fetch(server.url("/")).body, Bytes(std::string_view("only ten..")));
}

TEST(Faults, ABodyOverTheLimitFails) {
  const std::string big(kMaxResponseBodyBytes + 1, 'b');
  ScriptedServer server({http_response("200 OK", "", big)});
  EXPECT_EQ(fetch(server.url("/")).body, Bytes());
}

TEST(Faults, ASilentServerGivesTheTimeOutTextAtTheDeadline) {
  ScriptedServer server([](std::size_t, const std::string&) { return Reply{"", {}, true}; });
  Text out_headers("untouched");
  FetchOptions o;
  o.timeout_seconds = 1;
  o.response_headers = &out_headers;
  Text address(server.url("/"));
  const auto start = std::chrono::steady_clock::now();
  const Bytes body = http_fetch(address, o);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(body, text_to_bytes(fetch_timeout_text()));
  EXPECT_EQ(out_headers, Text("untouched"));
  EXPECT_GE(elapsed, 1000ms);
  EXPECT_LT(elapsed, 1300ms);
  // The abandoned transfer stops and closes its connection soon after.
  EXPECT_TRUE(server.wait_for_held_closed(3s));
}

TEST(Runner, EmptyOrBlankAddressSendsNothing) {
  for (const char* blank : {"", "   "}) {
    Text address(blank);
    EXPECT_EQ(http_fetch(address), Bytes());
    EXPECT_EQ(address, Text(blank));
  }
}

TEST(Runner, SchemeIsPutInFrontOnlyWhenMissing) {
  ScriptedServer server({http_response("200 OK", "", "ok")});
  Text address(server.host() + "/x");
  EXPECT_EQ(http_fetch(address), Bytes(std::string_view("ok")));
  EXPECT_EQ(address, Text("http://" + server.host() + "/x"));
  Text capitals("HTTP://" + server.host() + "/y");
  EXPECT_EQ(http_fetch(capitals), Bytes(std::string_view("ok")));
  EXPECT_EQ(capitals, Text("HTTP://" + server.host() + "/y"));
  EXPECT_TRUE(server.requests().at(1).starts_with("GET /y HTTP/1.1\r\n"));
}

TEST(Runner, ZeroOrNegativeTimeOutAlwaysTimesOut) {
  ScriptedServer server({http_response("200 OK", "", "ok")});
  for (const std::int32_t seconds : {0, -3}) {
    FetchOptions o;
    o.timeout_seconds = seconds;
    Text address(server.url("/"));
    EXPECT_EQ(http_fetch(address, o), text_to_bytes(fetch_timeout_text())) << seconds;
  }
}

TEST(Runner, SecureMeansTheSchemeNotAWordInTheQuery) {
  ScriptedServer server({http_response("200 OK", "", "plain")});
  EXPECT_EQ(fetch(server.url("/go?to=https://other")).body, Bytes(std::string_view("plain")));
  EXPECT_TRUE(server.requests().at(0).starts_with("GET /go?to=https://other HTTP/1.1\r\n"));
}

}  // namespace
}  // namespace velmora
