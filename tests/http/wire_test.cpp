// What goes over the wire for a request, byte for byte.
#include <gtest/gtest.h>

#include "http/fetch.h"
#include "http/request_headers.h"
#include "support/gbk.h"
#include "support/scripted_server.h"
#include "text/primitives.h"

namespace velmora {
namespace {

using testing::ScriptedServer;

const std::string kOk = testing::http_response("200 OK", "", "fine");

std::string agent_line() { return std::string("User-Agent: ") + kDefaultUserAgent + "\r\n"; }

// Sends one request to a fresh server and gives the raw bytes it received.
std::string sent(const std::string& path, FetchOptions options) {
  ScriptedServer server({kOk});
  Text address(server.host() + path);
  http_fetch(address, options);
  const auto requests = server.requests();
  return requests.empty() ? std::string() : requests[0];
}

struct Wire {
  std::string host;
  std::string expected;
};

TEST(Wire, PostWithBodyCarriesTheDefaultsInOrder) {
  ScriptedServer server({kOk});
  Text address(server.host() + "/index.php/url/shorten");
  FetchOptions o;
  o.method = 1;
  o.request_body = Bytes(std::string_view("url=%68\0x", 9));
  EXPECT_EQ(http_fetch(address, o), Bytes(std::string_view("fine")));
  ASSERT_EQ(server.request_count(), 1U);
  EXPECT_EQ(server.requests()[0],
            "POST /index.php/url/shorten HTTP/1.1\r\n"
            "Host: " +
                server.host() + "\r\n" + agent_line() + kDefaultAccept + "Referer: http://" +
                server.host() +
                "/index.php/url/shorten\r\n"
                "Accept-Language: zh-cn\r\n"
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: 9\r\n"
                "\r\n" +
                std::string("url=%68\0x", 9));
}

TEST(Wire, GetSendsNoBodyAndNoContentHeaders) {
  ScriptedServer server({kOk});
  Text address(server.host() + "/a?b=1");
  FetchOptions o;
  o.method = 2;
  o.request_body = Bytes(std::string_view("ignored"));
  http_fetch(address, o);
  EXPECT_EQ(server.requests().at(0), "GET /a?b=1 HTTP/1.1\r\nHost: " + server.host() + "\r\n" +
                                         agent_line() + kDefaultAccept + "Referer: http://" +
                                         server.host() +
                                         "/a?b=1\r\nAccept-Language: zh-cn\r\n\r\n");
}

TEST(Wire, PostWithoutBodyHasNoContentHeaders) {
  FetchOptions o;
  o.method = 1;
  const std::string request = sent("/p", o);
  EXPECT_TRUE(request.starts_with("POST /p HTTP/1.1\r\n")) << request;
  EXPECT_EQ(request.find("Content-"), std::string::npos) << request;
  EXPECT_TRUE(request.ends_with("Accept-Language: zh-cn\r\n\r\n")) << request;
}

TEST(Wire, CallerHeadersComeFirstAndSuppressDefaults) {
  ScriptedServer server({kOk});
  Text address(server.host() + "/h");
  FetchOptions o;
  o.method = 1;
  o.request_body = Bytes(std::string_view("x=1"));
  o.extra_headers = Text(
      "User-Agent:  X-Agent 1.0  \r\nAccept-Encoding: identity\r\nRefererNo\r\n"
      "Content-Type: text/plain\r\n");
  http_fetch(address, o);
  // One agent line, the caller's; no Accept (Accept-Encoding counts), no
  // Referer and no trace of "RefererNo".
  EXPECT_EQ(server.requests().at(0), "POST /h HTTP/1.1\r\nHost: " + server.host() +
                                         "\r\n"
                                         "User-Agent:  X-Agent 1.0  \r\n"
                                         "Accept-Encoding: identity\r\n"
                                         "Content-Type: text/plain\r\n"
                                         "Accept-Language: zh-cn\r\n"
                                         "Content-Length: 3\r\n\r\nx=1");
}

TEST(Wire, CallerCookiesGoLastAndSkipTheStore) {
  FetchOptions o;
  o.cookies = Text("a=1");
  const std::string request = sent("/c", o);
  EXPECT_TRUE(request.ends_with("Accept-Language: zh-cn\r\nCookie: a=1\r\n\r\n")) << request;
}

TEST(Wire, ThroughAProxyTheTargetIsAbsolute) {
  ScriptedServer proxy({kOk});
  Text address("http://origin.invalid:8123/q?x=1");
  FetchOptions o;
  o.proxy = Text(proxy.host());
  EXPECT_EQ(http_fetch(address, o), Bytes(std::string_view("fine")));
  const std::string request = proxy.requests().at(0);
  EXPECT_TRUE(request.starts_with("GET http://origin.invalid:8123/q?x=1 HTTP/1.1\r\n")) << request;
  EXPECT_NE(request.find("\r\nHost: origin.invalid:8123\r\n"), std::string::npos) << request;
  EXPECT_EQ(request.find("Proxy-Connection"), std::string::npos) << request;
}

TEST(Wire, ALargeBodyGoesWithoutExpectContinue) {
  FetchOptions o;
  o.method = 1;
  o.request_body = Bytes(std::string(2 * 1024 * 1024, 'z'));
  const std::string request = sent("/big", o);
  EXPECT_EQ(request.find("Expect"), std::string::npos);
  EXPECT_NE(request.find("\r\nContent-Length: 2097152\r\n\r\nzzz"), std::string::npos);
  EXPECT_EQ(request.size() - request.find("\r\n\r\n") - 4, 2U * 1024 * 1024);
}

TEST(Wire, BlanksAndControlBytesInThePathAreEscaped) {
  const std::string request = sent("/a b\tc", {});
  EXPECT_TRUE(request.starts_with("GET /a%20b%09c HTTP/1.1\r\n")) << request;
}

TEST(ComposeRequestHeaders, PresenceRules) {
  const Text address("http://h/x");
  const Bytes body(std::string_view("b"));
  const Text get("GET");
  const Text post("POST");
  const auto compose = [&](const char* caller, const Text& method, const Text& cookies = Text()) {
    return compose_request_headers(Text(caller), address, method, body, cookies).str();
  };
  const std::string referer = "Referer: http://h/x\r\n";
  EXPECT_EQ(compose("", get), std::string(kDefaultAccept) + referer + "Accept-Language: zh-cn\r\n");
  EXPECT_EQ(compose("accept-language: en\r\n", get), "accept-language: en\r\n" + referer);
  EXPECT_EQ(compose("Referer: x\r\n", get),
            std::string("Referer: x\r\n") + kDefaultAccept + "Accept-Language: zh-cn\r\n");
  EXPECT_EQ(compose("refererno\r\n", get),
            "refererno\r\n" + std::string(kDefaultAccept) + "Accept-Language: zh-cn\r\n");
  EXPECT_EQ(compose("", post),
            std::string(kDefaultAccept) + referer +
                "Accept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                "Content-Length: 1\r\n");
  EXPECT_EQ(compose("", get, Text("   ")), std::string(kDefaultAccept) + referer +
                                               "Accept-Language: zh-cn\r\nCookie:    \r\n\r\n");
  // Words in the address count too, through the Referer line.
  EXPECT_EQ(compose_request_headers(Text(), Text("http://h/?Content-Length"), post, body, Text())
                .str()
                .find("Content-Length: 1"),
            std::string::npos);
  EXPECT_EQ(request_user_agent(Text("User-Agent:  X-Agent 1.0  \r\n")), Text("X-Agent 1.0"));
  EXPECT_EQ(request_user_agent(Text("User-Agent: X")), Text());
  EXPECT_EQ(request_user_agent(Text("Accept: */*\r\n")), Text(kDefaultUserAgent));
}

TEST(CollectCookies, ValueBeforeTheFirstSemicolonOfEachSetCookieLine) {
  EXPECT_EQ(collect_cookies(
                Text("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n")),
            Text("a=1;;"));
  EXPECT_EQ(collect_cookies(Text("HTTP/1.1 200 OK\r\nset-cookie: c=3;x\r\n\r\n")), Text("c=3;"));
  EXPECT_EQ(collect_cookies(Text("HTTP/1.1 200 OK\r\nX: y\r\n\r\n")), Text());
  EXPECT_EQ(collect_cookies(Text("HTTP/1.1 200 OK\r\nA: \x1A"
                                 "Set-Cookie: d=4; p\r\n\r\n")),
            Text("d=4;"));
}

}  // namespace
}  // namespace velmora
