// Drives the program's windows from a test as a user would, and records what
// the program showed: message boxes and result windows.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "app/messages.h"
#include "app/qt_text.h"
#include "app/windows.h"
#include "support/gbk.h"

namespace velmora::testing {

struct ShownMessage {
  std::string text;  // UTF-8
  std::string title;
  std::int32_t style = 0;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

struct ShownResult {
  std::string link;  // UTF-8, as the window showed it
  QPoint position;
};

class UiDriver {
 public:
  // What to do with each result window once it shows: by default it is
  // closed with Esc.
  using ResultAction = std::function<void(ResultWindow&)>;

  UiDriver() {
    set_message_observer([this](const Text& text, std::int32_t style, QMessageBox& box) {
      messages.push_back(
          {utf8_of_gbk(text.view()), box.windowTitle().toStdString(), style, box.icon()});
      if (on_message) on_message();
      box.button(QMessageBox::Ok) != nullptr ? box.button(QMessageBox::Ok)->click() : box.reject();
    });
    watch_.setInterval(2);
    QObject::connect(&watch_, &QTimer::timeout, [this] { look_for_result_windows(); });
    watch_.start();
  }
  ~UiDriver() { set_message_observer(nullptr); }

  void look_for_result_windows() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* result = dynamic_cast<ResultWindow*>(w);
      if (result == nullptr || !result->isVisible() || result->property("seen").toBool()) continue;
      result->setProperty("seen", true);
      results.push_back({result->link_box()->text().toStdString(), result->pos()});
      if (result_action) {
        result_action(*result);
      } else {
        QTest::keyClick(result, Qt::Key_Escape);
      }
    }
  }

  static void type(QWidget* window, const char* box, const std::string& utf8) {
    auto* edit = window->findChild<QLineEdit*>(QString::fromUtf8(box));
    edit->setText(QString::fromStdString(utf8));
  }
  // Through the window system, as a real click comes: a window that a modal
  // one blocks does not get it.
  static void click(QWidget* window, const char* name) {
    QWidget* control = window->findChild<QWidget*>(QString::fromUtf8(name));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      control->mapTo(window, control->rect().center()));
  }
  static void key(QWidget* window, Qt::Key key) { QTest::keyClick(window->windowHandle(), key); }

  std::vector<ShownMessage> messages;
  std::vector<ShownResult> results;
  ResultAction result_action;
  std::function<void()> on_message;

 private:
  QTimer watch_;
};

}  // namespace velmora::testing
