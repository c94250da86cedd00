#include "app/program.h"

#include <QApplication>

#include "app/qt_event_pump.h"
#include "app/result_link.h"
#include "http/worker.h"

namespace velmora {

void end_program_when_closed(MainWindow& main_window, QtEventPump& pump) {
  main_window.on_closed([&pump] {
    pump.set_ending();
    QCoreApplication::exit(0);
  });
}

int run_program(const ServiceHosts& hosts) {
  // Qt is given no arguments of the user's: the program reads none.
  int argc = 1;
  char name[] = "velmora";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  QtEventPump pump;
  install_event_pump(&pump);
  int exit_code = 0;
  {
    MainWindow main_window(hosts);
    end_program_when_closed(main_window, pump);
    main_window.place_centred();
    main_window.show();
    exit_code = QApplication::exec();
  }
  install_event_pump(nullptr);
  on_program_exit();
  stop_all_threads();
  return exit_code;
}

}  // namespace velmora
