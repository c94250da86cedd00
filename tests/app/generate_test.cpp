#include <QCheckBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/generate.h"
#include "app/program.h"
#include "app/qt_event_pump.h"
#include "app/result_link.h"
#include "app/windows.h"
#include "support/gbk.h"
#include "ui_driver.h"

namespace velmora {
namespace {

using testing::gbk;
using testing::UiDriver;

const std::string kBase = "http://g.example/qingrenjie/1314.asp";

class Generate : public ::testing::Test {
 protected:
  void SetUp() override {
    result_link().reset();
    window.show();
    window.findChild<QCheckBox*>("选择框1")->setChecked(false);
  }
  void TearDown() override { result_link().reset(); }

  // Types the names, presses "生成网址" and gives the links the result windows showed.
  std::vector<std::string> generate(const std::string& user, const std::string& loved) {
    UiDriver::type(&window, "编辑框1", user);
    UiDriver::type(&window, "编辑框2", loved);
    UiDriver::click(&window, "按钮1");
    std::vector<std::string> links;
    for (const auto& r : ui.results) links.push_back(r.link);
    return links;
  }

  UiDriver ui;
  MainWindow window{ServiceHosts{Text("g.example"), shortener_endpoint("127.0.0.1:9")}};
};

TEST_F(Generate, TheGreetingLinkFromBothNames) {
  EXPECT_EQ(generate("张三", "李四"),
            std::vector<std::string>{kBase + "?lx=%C0%EE%CB%C4&cl=%D5%C5%C8%FD"});
  EXPECT_EQ(result_link(), Text(kBase + "?lx=%C0%EE%CB%C4&cl=%D5%C5%C8%FD"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Generate, EveryByteIsEscapedAndNothingIsTrimmed) {
  const struct {
    const char* user;
    const char* loved;
    const char* query;
  } cases[] = {
      {"Tom", "\t", "?lx=%09&cl=%54%6F%6D"},
      {"  ", "a b", "?lx=%61%20%62&cl=%20%20"},
      {"中", "~_*", "?lx=%7E%5F%2A&cl=%D6%D0"},
  };
  for (const auto& c : cases) {
    ui.results.clear();
    EXPECT_EQ(generate(c.user, c.loved), std::vector<std::string>{kBase + c.query}) << c.user;
  }
}

TEST_F(Generate, AMissingNameIsReportedAndChangesNothing) {
  generate("a", "b");
  const Text before = result_link().value();
  for (const auto& [user, loved] : {std::pair{"", "b"}, {"a", ""}, {"", ""}}) {
    ui.results.clear();
    ui.messages.clear();
    EXPECT_TRUE(generate(user, loved).empty());
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages[0].text, "请输入双方名字在点击。");
    EXPECT_EQ(ui.messages[0].title, "信息：");
    EXPECT_EQ(ui.messages[0].style, 0);
    EXPECT_EQ(ui.messages[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(result_link(), before);
  }
}

TEST_F(Generate, GeneratingTwiceShowsTheSecondLink) {
  generate("a", "b");
  generate("c", "d");
  ASSERT_EQ(ui.results.size(), 2U);
  EXPECT_EQ(ui.results[0].link, kBase + "?lx=%62&cl=%61");
  EXPECT_EQ(ui.results[1].link, kBase + "?lx=%64&cl=%63");
  EXPECT_EQ(result_link(), Text(kBase + "?lx=%64&cl=%63"));
}

TEST_F(Generate, ASecondClickDuringEncodingStartsANestedRunAndTheOuterStoresLast) {
  // The second click is queued before the first: the first run's encoder
  // dispatches it, after the outer run has read its names.
  QTimer::singleShot(0, &window, [this] {
    UiDriver::type(&window, "编辑框1", "y");
    UiDriver::type(&window, "编辑框2", "z");
    UiDriver::click(&window, "按钮1");
  });
  generate("a", "b");
  ASSERT_EQ(ui.results.size(), 2U);
  // The nested run read the names as they then stood and finished first.
  EXPECT_EQ(ui.results[0].link, kBase + "?lx=%7A&cl=%79");
  // The outer run had read 编辑框2 ('b') before the click and 编辑框1 after it.
  EXPECT_EQ(ui.results[1].link, kBase + "?lx=%62&cl=%79");
  EXPECT_EQ(result_link(), Text(kBase + "?lx=%62&cl=%79"));
}

TEST_F(Generate, ClosingTheMainWindowDuringEncodingStopsTheCommand) {
  result_link() = Text("kept");
  int exit_code = -1;
  auto& pump = dynamic_cast<QtEventPump&>(event_pump());
  end_program_when_closed(window, pump);
  QTimer::singleShot(0, &window, [this] {
    QTimer::singleShot(0, &window, [this] { QTest::keyClick(&window, Qt::Key_Escape); });
    generate("a", "b");
  });
  exit_code = QCoreApplication::exec();
  EXPECT_EQ(exit_code, 0);
  EXPECT_TRUE(window.closed());
  EXPECT_TRUE(ui.results.empty());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(result_link(), Text("kept"));
  pump.set_ending(false);
}

TEST(PercentEncodeText, ByteRule) {
  EXPECT_EQ(percent_encode_text(gbk("中")), Text("%D6%D0"));
  EXPECT_EQ(percent_encode_text(Text()), Text());
  EXPECT_EQ(percent_encode_text(Text("a-Z_~"), true), Text("a-Z%5F%7E"));
  EXPECT_EQ(percent_encode_text(Text("Tom\t")), Text("%54%6F%6D%09"));
}

}  // namespace
}  // namespace velmora
