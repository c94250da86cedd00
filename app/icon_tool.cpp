// Build tool: writes the program's icon, drawn by the same code as the windows
// use, to the PNG file named on its command line.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "app/icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora_icon_tool OUTPUT.png\n");
    return 2;
  }
  return velmora::program_icon_image().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
