#include "app/generate.h"

#include <QApplication>
#include <QPointer>

#include "app/messages.h"
#include "app/result_link.h"
#include "app/windows.h"
#include "text/percent.h"
#include "text/primitives.h"

namespace velmora {
namespace {

const char* const kNamesMissing =  // 请输入双方名字在点击。
    "\xC7\xEB\xCA\xE4\xC8\xEB\xCB\xAB\xB7\xBD\xC3\xFB\xD7\xD6\xD4\xDA\xB5\xE3\xBB\xF7\xA1\xA3";
const char* const kShortLinkFailed =  // 短地址生成失败，已使用原网址。
    "\xB6\xCC\xB5\xD8\xD6\xB7\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xD2\xD1\xCA\xB9\xD3\xC3\xD4"
    "\xAD\xCD\xF8\xD6\xB7\xA1\xA3";

// A busy mouse pointer over the program's windows for as long as it lives;
// nested runs stack and unstack their own.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

Text percent_encode_text(const Text& text, std::optional<bool> keep_unreserved) {
  return percent_encode_each_byte(text_to_bytes(text).view(), keep_unreserved.value_or(false));
}

void on_generate_clicked(MainWindow& window) {
  // Events dispatched below may close the window; its object stays until the
  // program ends, but a closed window's controls are not read again.
  const QPointer<MainWindow> alive(&window);
  const auto gone = [&alive] {
    const MainWindow* w = alive.data();
    return w == nullptr || w->closed();
  };

  if (window.user_name().empty() || window.loved_name().empty()) {
    show_message(kNamesMissing, kMessageOk);
    return;
  }
  const std::int32_t state = window.short_link_state();
  const Text lx = percent_encode_text(window.loved_name(), false);
  if (gone()) return;
  const Text cl = percent_encode_text(window.user_name(), false);
  if (gone()) return;
  const Text long_link = concat_text("http://", window.hosts().greeting_host,
                                     "/qingrenjie/1314.asp?lx=", lx, "&cl=", cl);

  Text link = long_link;
  if (state == 1) {
    LinkChoice choice;
    {
      const BusyCursor busy;
      choice = choose_link(state, long_link, window.hosts().shortener);
    }
    if (gone()) return;
    if (choice.shortening_failed) {
      show_message(kShortLinkFailed, kMessageWarning);
      if (gone()) return;
    }
    link = std::move(choice.link);
  }
  result_link() = std::move(link);
  open_result_window_modally();
}

}  // namespace velmora
