#include "app/window_frame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/icon.h"

namespace velmora {

FixedWindow::FixedWindow(const QString& title, QSize outer, QSize extent)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      outer_(outer),
      extent_(extent) {
  setWindowTitle(title);
  setWindowIcon(program_icon());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
  setFixedSize(outer_);
}

void FixedWindow::place_centred() {
  QMargins frame;
  if (windowHandle() != nullptr) frame = windowHandle()->frameMargins();
  const QSize client(std::max(outer_.width() - frame.left() - frame.right(), extent_.width()),
                     std::max(outer_.height() - frame.top() - frame.bottom(), extent_.height()));
  if (size() != client) setFixedSize(client);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - outer_.width()) / 2,
       screen.y() + (screen.height() - outer_.height()) / 2);
}

void FixedWindow::keyPressEvent(QKeyEvent* event) {
  // The controls leave Esc alone, so it arrives here whichever has the focus.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FixedWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window manager reports its frame only once it has framed the window.
  QTimer::singleShot(0, this, [this] {
    if (windowHandle() != nullptr && !windowHandle()->frameMargins().isNull()) place_centred();
  });
}

QWidget* add_label(QWidget* parent, const char* name, const QString& text, QRect place,
                   QColor colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setTextFormat(Qt::PlainText);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace velmora
