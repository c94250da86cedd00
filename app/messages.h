// Message boxes and the clipboard.
#pragma once

#include <QMessageBox>

#include <cstdint>
#include <functional>

#include "text/text_types.h"

namespace velmora {

// Style flags: the low four bits choose the buttons (0: OK, 1: OK and Cancel,
// 2: Abort, Retry and Ignore, 3: Yes, No and Cancel, 4: Yes and No, 5: Retry
// and Cancel), the next four the icon (16: critical, 32: question,
// 48: warning, 64: information).
inline constexpr std::int32_t kMessageOk = 0;
inline constexpr std::int32_t kMessageWarning = 48;
inline constexpr std::int32_t kMessageInformation = 64;

// The button that dismissed a box: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
// 6 Yes, 7 No.
inline constexpr std::int32_t kButtonOk = 1;

// Shows an application-modal message box titled "信息：" with no owner window
// and waits until it is dismissed; gives the button pressed.
std::int32_t show_message(const Text& text, std::int32_t style);

// Called with each box once it is on the screen, with the text and style it was
// asked for; an observer may dismiss the box (tests do).
using MessageObserver = std::function<void(const Text& text, std::int32_t style, QMessageBox& box)>;
void set_message_observer(MessageObserver observer);

// Puts the text on the clipboard as Unicode; true when it was handed over.
bool set_clipboard_text(const Text& text);

}  // namespace velmora
