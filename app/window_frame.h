// What both windows share: a fixed frame with a close box only, the button-face
// background, the program's icon, Esc as a close request, and a place centred
// on the primary screen from the window's outer size.
#pragma once

#include <QSize>
#include <QWidget>

namespace velmora {

class FixedWindow : public QWidget {
 public:
  // `outer` is the framed size; `extent` the room the controls take.
  FixedWindow(const QString& title, QSize outer, QSize extent);

  QSize outer_size() const { return outer_; }
  // Sizes the client area from the outer size (less the frame, where a window
  // manager draws one, but never smaller than the controls need) and puts the
  // frame's top left at ((screen - outer) / 2), remainders dropped.
  void place_centred();

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // Esc: a close request
  void showEvent(QShowEvent* event) override;

 private:
  QSize outer_;
  QSize extent_;
};

// A label: one line of text in `colour`, left-aligned and vertically centred on
// the window's background; clicks do nothing.
QWidget* add_label(QWidget* parent, const char* name, const QString& text, QRect place,
                   QColor colour);

}  // namespace velmora
