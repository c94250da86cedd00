// The request runner's wait on the real Qt event loop.
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

#include "http/fetch.h"
#include "support/scripted_server.h"
#include "text/primitives.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using testing::http_response;
using testing::Reply;
using testing::ScriptedServer;

TEST(QtWait, TimersFireDuringTheWait) {
  ScriptedServer server([](std::size_t, const std::string&) {
    return Reply{http_response("200 OK", "", "late"), 300ms};
  });
  int fired = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++fired; });
  ticker.start(20);
  Text address(server.url("/"));
  EXPECT_EQ(http_fetch(address), Bytes(std::string_view("late")));
  EXPECT_GE(fired, 5);
}

TEST(QtWait, TheWaitEndsSoonAfterTheWorker) {
  ScriptedServer server({http_response("200 OK", "", "quick")});
  Text address(server.url("/"));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(http_fetch(address), Bytes(std::string_view("quick")));
  // Twenty loopback requests; a wait that only woke on some poll interval
  // would show here as many intervals.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST(QtWait, ANestedFetchFromAnEventCompletesAndSoDoesTheOuter) {
  ScriptedServer server([](std::size_t n, const std::string& request) {
    if (request.starts_with("GET /outer")) {
      return Reply{http_response("200 OK", "", "outer"), 400ms};
    }
    return Reply{http_response("200 OK", "", "inner " + std::to_string(n))};
  });
  Bytes inner;
  QTimer::singleShot(50, [&] {
    Text nested(server.url("/inner"));
    inner = http_fetch(nested);
  });
  Text outer(server.url("/outer"));
  EXPECT_EQ(http_fetch(outer), Bytes(std::string_view("outer")));
  EXPECT_TRUE(inner.view().starts_with("inner ")) << inner.str();
}

TEST(QtWait, AnOuterRequestIsTimedOutFromItsOwnStart) {
  // The outer worker ends quickly, but a nested request started from an event
  // takes longer than the outer time-out: the outer call reports its time-out.
  ScriptedServer server([](std::size_t, const std::string& request) {
    if (request.starts_with("GET /slow")) return Reply{http_response("200 OK", "", "slow"), 1500ms};
    return Reply{http_response("200 OK", "", "fast"), 100ms};
  });
  Bytes inner;
  QTimer::singleShot(10, [&] {
    Text nested(server.url("/slow"));
    inner = http_fetch(nested);
  });
  Text outer(server.url("/fast"));
  FetchOptions o;
  o.timeout_seconds = 1;
  EXPECT_EQ(http_fetch(outer, o), text_to_bytes(fetch_timeout_text()));
  EXPECT_EQ(inner, Bytes(std::string_view("slow")));
}

}  // namespace
}  // namespace velmora
