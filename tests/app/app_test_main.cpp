// The widget tests run against the real widgets on Qt's offscreen platform,
// with the program's own event pump installed.
#include <QApplication>

#include <gtest/gtest.h>

#include "app/qt_event_pump.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  velmora::QtEventPump pump;
  velmora::install_event_pump(&pump);
  const int result = RUN_ALL_TESTS();
  velmora::install_event_pump(nullptr);
  return result;
}
