#include "app/messages.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <utility>
#include <vector>

#include "app/icon.h"
#include "app/qt_text.h"

namespace velmora {
namespace {

MessageObserver& observer() {
  static MessageObserver instance;
  return instance;
}

struct ButtonChoice {
  QMessageBox::StandardButton button;
  std::int32_t id;
};

std::vector<ButtonChoice> buttons_for(std::int32_t style) {
  using B = QMessageBox;
  switch (style & 0xF) {
    case 1:
      return {{B::Ok, 1}, {B::Cancel, 2}};
    case 2:
      return {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}};
    case 3:
      return {{B::Yes, 6}, {B::No, 7}, {B::Cancel, 2}};
    case 4:
      return {{B::Yes, 6}, {B::No, 7}};
    case 5:
      return {{B::Retry, 4}, {B::Cancel, 2}};
    default:
      return {{B::Ok, kButtonOk}};
  }
}

QMessageBox::Icon icon_for(std::int32_t style) {
  switch (style & 0xF0) {
    case 16:
      return QMessageBox::Critical;
    case 32:
      return QMessageBox::Question;
    case 48:
      return QMessageBox::Warning;
    case 64:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

void set_message_observer(MessageObserver o) { observer() = std::move(o); }

std::int32_t show_message(const Text& text, std::int32_t style) {
  QMessageBox box(icon_for(style), to_qstring(Text("\xD0\xC5\xCF\xA2\xA3\xBA")),  // 信息：
                  to_qstring(text), QMessageBox::NoButton, nullptr);
  box.setWindowIcon(program_icon());
  box.setTextFormat(Qt::PlainText);
  const std::vector<ButtonChoice> choices = buttons_for(style);
  for (const auto& choice : choices) box.addButton(choice.button);
  box.setWindowModality(Qt::ApplicationModal);
  if (observer()) {
    QTimer::singleShot(0, &box, [&box, text, style] {
      if (observer()) observer()(text, style, box);
    });
  }
  const int pressed = box.exec();
  for (const auto& choice : choices) {
    if (pressed == choice.button) return choice.id;
  }
  return choices.size() == 1 ? choices.front().id : 2;
}

bool set_clipboard_text(const Text& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(to_qstring(text), QClipboard::Clipboard);
  return true;
}

}  // namespace velmora
