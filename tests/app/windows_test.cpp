#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include "app/result_link.h"
#include "app/windows.h"
#include "ui_driver.h"

namespace velmora {
namespace {

using testing::UiDriver;

ServiceHosts test_hosts() {
  return ServiceHosts{Text("g.example"), shortener_endpoint("127.0.0.1:9")};
}

QPoint centred(QSize outer) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

struct Control {
  const char* name;
  QRect place;
  const char* text;
  QColor colour;  // invalid: the system's
};

void expect_controls(QWidget& window, const std::vector<Control>& controls) {
  for (const auto& c : controls) {
    auto* w = window.findChild<QWidget*>(QString::fromUtf8(c.name));
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(w->geometry(), c.place) << c.name;
    EXPECT_TRUE(w->isEnabled()) << c.name;
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
    EXPECT_EQ(text.toStdString(), c.text) << c.name;
    if (c.colour.isValid()) {
      EXPECT_EQ(w->palette().color(QPalette::WindowText), c.colour) << c.name;
    }
    const bool label = qobject_cast<QLabel*>(w) != nullptr;
    EXPECT_EQ(w->focusPolicy() == Qt::NoFocus, label) << c.name;
  }
}

TEST(MainWindowLayout, AsDesigned) {
  MainWindow window(test_hosts());
  window.place_centred();
  window.show();
  EXPECT_EQ(window.windowTitle().toStdString(), "Velmora");
  EXPECT_EQ(window.size(), QSize(265, 201));
  EXPECT_EQ(window.pos(), centred({265, 201}));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window.windowIcon().pixmap(64, 64).size(), QSize(64, 64));
  EXPECT_EQ(window.palette().color(QPalette::Window), window.palette().color(QPalette::Button));
  expect_controls(window, {
                              {"标签3", {16, 64, 64, 24}, "你爱的TA：", QColor(255, 0, 255)},
                              {"标签2", {16, 16, 64, 24}, "你的名字：", QColor(0, 0, 255)},
                              {"选择框1", {16, 120, 88, 24}, "默认短地址", QColor(255, 128, 192)},
                              {"编辑框2", {80, 64, 152, 24}, "", {}},
                              {"编辑框1", {80, 16, 152, 24}, "", {}},
                              {"按钮1", {120, 112, 120, 40}, "生成网址", {}},
                          });
  EXPECT_TRUE(window.findChild<QCheckBox*>("选择框1")->isChecked());
  EXPECT_FALSE(window.findChild<QPushButton*>("按钮1")->isDefault());
  EXPECT_EQ(window.short_link_state(), 1);
}

TEST(MainWindowLayout, EscClosesWhicheverControlHasTheFocusAndF1DoesNothing) {
  for (const char* focus : {"编辑框1", "选择框1", "按钮1"}) {
    MainWindow window(test_hosts());
    bool closed = false;
    window.on_closed([&] { closed = true; });
    window.show();
    QApplication::setActiveWindow(&window);
    QWidget* control = window.findChild<QWidget*>(QString::fromUtf8(focus));
    control->setFocus();
    QTest::keyClick(control, Qt::Key_F1);
    EXPECT_FALSE(closed) << focus;
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_TRUE(closed) << focus;
    EXPECT_TRUE(window.closed());
    EXPECT_FALSE(window.isVisible());
  }
}

TEST(MainWindowLayout, ClickingALabelDoesNothing) {
  MainWindow window(test_hosts());
  UiDriver ui;
  window.show();
  QTest::mouseClick(window.findChild<QWidget*>("标签2"), Qt::LeftButton);
  QTest::qWait(20);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.results.empty());
}

TEST(ResultWindowLayout, AsDesignedAndFilledFromTheSlot) {
  result_link() = Text("http://g.example/x");
  ResultWindow window;
  on_result_window_created(window);
  window.place_centred();
  window.show();
  EXPECT_EQ(window.windowTitle().toStdString(), "Velmora  生成结果");
  // Without a window manager the client area holds every control as placed.
  EXPECT_EQ(window.size(), QSize(275, 175));
  EXPECT_EQ(window.pos(), centred({275, 175}));
  expect_controls(window,
                  {
                      {"标签4", {96, 80, 96, 16}, "Corvane工作室", QColor(255, 0, 0)},
                      {"标签3", {72, 56, 176, 16}, "Corvane祝大家情人节快乐！", QColor(255, 0, 0)},
                      {"按钮1", {16, 104, 80, 32}, "复制网址", {}},
                      {"标签2", {168, 120, 96, 24}, "爱是理解的别名。", QColor(255, 168, 255)},
                      {"编辑框1", {56, 24, 184, 24}, "http://g.example/x", {}},
                      {"标签1", {16, 24, 48, 24}, "网址：", QColor(0, 0, 0)},
                  });
  // The edit box lies above 标签1 where they overlap.
  EXPECT_EQ(window.childAt(60, 30), window.link_box());
  result_link().reset();
}

TEST(Copy, TheEditBoxsCurrentTextEvenAfterEditing) {
  UiDriver ui;
  result_link() = Text("http://g.example/first");
  ResultWindow window;
  on_result_window_created(window);
  window.show();
  window.link_box()->setText(QStringLiteral("http://edited/链接"));
  UiDriver::click(&window, "按钮1");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "http://edited/链接");
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].text, "复制成功");
  EXPECT_EQ(ui.messages[0].title, "信息：");
  EXPECT_EQ(ui.messages[0].style, 64);
  EXPECT_EQ(ui.messages[0].icon, QMessageBox::Information);
  result_link().reset();
}

TEST(Copy, AnEmptyEditBoxDoesNothing) {
  UiDriver ui;
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  ResultWindow window;
  on_result_window_created(window);
  window.show();
  EXPECT_TRUE(window.link_box()->text().isEmpty());
  UiDriver::click(&window, "按钮1");
  QTest::qWait(20);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "before");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(ResultWindowModal, MainTakesNoInputWhileItIsOpenAndEscClosesOnlyIt) {
  UiDriver ui;
  MainWindow window(test_hosts());
  bool main_closed = false;
  window.on_closed([&] { main_closed = true; });
  window.show();
  int generated_again = 0;
  ui.result_action = [&](ResultWindow& result) {
    // Clicks, keys and a close request to main_window have no effect now.
    UiDriver::click(&window, "按钮1");
    UiDriver::key(&window, Qt::Key_A);
    window.close();
    generated_again = static_cast<int>(ui.results.size());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.findChild<QLineEdit*>("编辑框1")->text().toStdString(), "a");
    QTest::keyClick(result.link_box(), Qt::Key_Escape);
  };
  UiDriver::type(&window, "编辑框1", "a");
  UiDriver::type(&window, "编辑框2", "b");
  window.findChild<QCheckBox*>("选择框1")->setChecked(false);
  window.findChild<QWidget*>("编辑框1")->setFocus();
  UiDriver::click(&window, "按钮1");
  ASSERT_EQ(ui.results.size(), 1U);
  EXPECT_EQ(generated_again, 1);
  EXPECT_FALSE(main_closed);
  EXPECT_TRUE(window.isVisible());
  // Afterwards main_window takes input again.
  window.findChild<QWidget*>("编辑框1")->setFocus();
  UiDriver::key(&window, Qt::Key_B);
  EXPECT_EQ(window.findChild<QLineEdit*>("编辑框1")->text().toStdString(), "ab");
}

TEST(ResultWindowModal, EachOpensCentredWhereverThePreviousWasMoved) {
  UiDriver ui;
  MainWindow window(test_hosts());
  window.show();
  ui.result_action = [&](ResultWindow& result) {
    result.move(5, 7);
    QTest::keyClick(&result, Qt::Key_Escape);
  };
  UiDriver::type(&window, "编辑框1", "a");
  UiDriver::type(&window, "编辑框2", "b");
  window.findChild<QCheckBox*>("选择框1")->setChecked(false);
  UiDriver::click(&window, "按钮1");
  UiDriver::click(&window, "按钮1");
  ASSERT_EQ(ui.results.size(), 2U);
  EXPECT_EQ(ui.results[0].position, centred({275, 175}));
  EXPECT_EQ(ui.results[1].position, centred({275, 175}));
}

TEST(Accessibility, EditBoxesAreNamedByTheirCaptionsControlsByTheirTexts) {
  MainWindow window(test_hosts());
  window.show();
  const auto name = [&](const char* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(
        window.findChild<QWidget*>(QString::fromUtf8(control)));
    return a == nullptr ? std::string() : a->text(QAccessible::Name).toStdString();
  };
  EXPECT_EQ(name("编辑框1"), "你的名字：");
  EXPECT_EQ(name("编辑框2"), "你爱的TA：");
  EXPECT_EQ(name("选择框1"), "默认短地址");
  EXPECT_EQ(name("按钮1"), "生成网址");
  ResultWindow result;
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(result.link_box());
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->text(QAccessible::Name).toStdString(), "网址：");
}

}  // namespace
}  // namespace velmora
