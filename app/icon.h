#pragma once

#include <QIcon>
#include <QImage>

namespace velmora {

// The program's icon: a heart, drawn as one 64 x 64 image at 32 bits per pixel.
QImage program_icon_image();
QIcon program_icon();

}  // namespace velmora
