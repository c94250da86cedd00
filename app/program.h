// Start-up and ending of the program.
#pragma once

#include "app/windows.h"

namespace velmora {

class QtEventPump;

// When main_window is closed the program ends: waits on the network give up
// and the event loop is told to end with exit code 0.
void end_program_when_closed(MainWindow& main_window, QtEventPump& pump);

// Shows main_window centred and runs the event loop until it is closed; then
// releases result_link, waits for unfinished transfers to stop, and gives the
// exit code (0). Takes no command-line arguments.
int run_program(const ServiceHosts& hosts);

}  // namespace velmora
