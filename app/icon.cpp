#include "app/icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

QImage program_icon_image() {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Two arcs meeting in a point below.
  QPainterPath heart;
  heart.moveTo(32, 56);
  heart.cubicTo(8, 40, 2, 26, 6, 16);
  heart.cubicTo(10, 6, 26, 4, 32, 17);
  heart.cubicTo(38, 4, 54, 6, 58, 16);
  heart.cubicTo(62, 26, 56, 40, 32, 56);
  heart.closeSubpath();
  QLinearGradient fill(0, 4, 0, 58);
  fill.setColorAt(0.0, QColor(255, 120, 170));
  fill.setColorAt(1.0, QColor(214, 20, 72));
  p.setPen(QPen(QColor(150, 10, 50), 2.5));
  p.setBrush(fill);
  p.drawPath(heart);
  // A highlight on the left lobe.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QRectF(13, 13, 11, 7));
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon program_icon() { return QIcon(QPixmap::fromImage(program_icon_image())); }

}  // namespace velmora
