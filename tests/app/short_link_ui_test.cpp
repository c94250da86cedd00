// The ticked check box through the real widgets, against a local shortening service.
#include <QCheckBox>
#include <QTimer>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/qt_event_pump.h"
#include "app/result_link.h"
#include "app/windows.h"
#include "support/scripted_server.h"
#include "ui_driver.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using testing::http_response;
using testing::Reply;
using testing::ScriptedServer;
using testing::UiDriver;

const std::string kLong = "http://g.example/qingrenjie/1314.asp?lx=%62&cl=%61";
const std::string kFailed = "短地址生成失败，已使用原网址。";

std::string answer_page(const std::string& link) {
  return http_response("200 OK", "",
                       std::string("<html>\r\n") + kShortLinkLeftMarker + link +
                           kShortLinkRightMarker + "\n</html>\r\n");
}

class ShortLinkUi : public ::testing::Test {
 protected:
  void start(ScriptedServer& server, std::optional<std::int32_t> timeout = {}) {
    result_link().reset();
    window = std::make_unique<MainWindow>(ServiceHosts{
        Text("g.example"), ShortenerEndpoint{Text(server.url("/index.php/url/shorten")), timeout}});
    window->show();
    UiDriver::type(window.get(), "编辑框1", "a");
    UiDriver::type(window.get(), "编辑框2", "b");
  }
  void press() { UiDriver::click(window.get(), "按钮1"); }
  void TearDown() override { result_link().reset(); }

  UiDriver ui;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ShortLinkUi, TickedShowsTheShortLink) {
  ScriptedServer server({answer_page("http://s.example/Ab1")});
  start(server);
  press();
  ASSERT_EQ(ui.results.size(), 1U);
  EXPECT_EQ(ui.results[0].link, "http://s.example/Ab1");
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(server.request_count(), 1U);
  EXPECT_TRUE(server.requests()[0].starts_with("POST /index.php/url/shorten HTTP/1.1\r\n"));
  EXPECT_NE(server.requests()[0].find("\r\n\r\nurl=%68%74%74%70%3A%2F%2F%67"), std::string::npos);
}

TEST_F(ShortLinkUi, ClearedShowsTheLongLinkAndSendsNothing) {
  ScriptedServer server({answer_page("http://s.example/Ab1")});
  start(server);
  window->findChild<QCheckBox*>("选择框1")->setChecked(false);
  press();
  ASSERT_EQ(ui.results.size(), 1U);
  EXPECT_EQ(ui.results[0].link, kLong);
  EXPECT_EQ(server.request_count(), 0U);
}

TEST_F(ShortLinkUi, AFailedShorteningWarnsThenShowsTheLongLink) {
  ScriptedServer markerless({http_response("200 OK", "", "<html>busy</html>")});
  ScriptedServer silent([](std::size_t, const std::string&) { return Reply{"", {}, true}; });
  struct Case {
    const char* what;
    ShortenerEndpoint endpoint;
  };
  const Case cases[] = {
      {"no markers", {Text(markerless.url("/index.php/url/shorten")), {}}},
      {"time-out", {Text(silent.url("/index.php/url/shorten")), 1}},
      {"refused", {Text("http://127.0.0.1:1/index.php/url/shorten"), {}}},
  };
  for (const auto& c : cases) {
    ui.results.clear();
    ui.messages.clear();
    result_link().reset();
    MainWindow w(ServiceHosts{Text("g.example"), c.endpoint});
    w.show();
    UiDriver::type(&w, "编辑框1", "a");
    UiDriver::type(&w, "编辑框2", "b");
    // The warning comes first; the result window only after it is dismissed.
    std::size_t results_at_warning = 99;
    ui.on_message = [&] { results_at_warning = ui.results.size(); };
    UiDriver::click(&w, "按钮1");
    ASSERT_EQ(ui.messages.size(), 1U) << c.what;
    EXPECT_EQ(ui.messages[0].text, kFailed) << c.what;
    EXPECT_EQ(ui.messages[0].title, "信息：");
    EXPECT_EQ(ui.messages[0].style, 48);
    EXPECT_EQ(ui.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(results_at_warning, 0U) << c.what;
    ASSERT_EQ(ui.results.size(), 1U) << c.what;
    EXPECT_EQ(ui.results[0].link, kLong) << c.what;
    EXPECT_EQ(result_link(), Text(kLong));
  }
}

TEST_F(ShortLinkUi, TheCursorIsBusyWhileTheRequestRunsAndRestoredAfter) {
  ScriptedServer server([](std::size_t, const std::string&) {
    return Reply{answer_page("http://s.example/c"), 200ms};
  });
  start(server);
  Qt::CursorShape during = Qt::ArrowCursor;
  QTimer::singleShot(100, [&] {
    if (QApplication::overrideCursor() != nullptr) during = QApplication::overrideCursor()->shape();
  });
  press();
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_EQ(ui.results.size(), 1U);
}

TEST_F(ShortLinkUi, ASecondClickDuringTheWaitRunsNestedAndTheLastToStoreWins) {
  ScriptedServer server([](std::size_t n, const std::string&) {
    return Reply{answer_page("http://s.example/" + std::to_string(n)), n == 0 ? 500ms : 50ms};
  });
  start(server);
  QTimer::singleShot(150, [&] {
    UiDriver::type(window.get(), "编辑框1", "c");
    press();
  });
  press();
  ASSERT_EQ(ui.results.size(), 2U);
  EXPECT_EQ(ui.results[0].link, "http://s.example/1");  // the nested run finishes first
  EXPECT_EQ(ui.results[1].link, "http://s.example/0");
  EXPECT_EQ(result_link(), Text("http://s.example/0"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ShortLinkUi, ClosingTheMainWindowDuringTheWaitEndsCleanly) {
  ScriptedServer server([](std::size_t, const std::string&) { return Reply{"", {}, true}; });
  start(server);
  auto& pump = dynamic_cast<QtEventPump&>(event_pump());
  end_program_when_closed(*window, pump);
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(100, [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    press();
  });
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, 5s);  // not the 60 s time-out
  EXPECT_TRUE(ui.results.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  pump.set_ending(false);
}

}  // namespace
}  // namespace velmora
