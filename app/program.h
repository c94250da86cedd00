// Start-up and ending of the program.
#pragma once

#include "app/windows.h"

namespace velmora {

// Shows main_window centred and runs the event loop until it is closed; then
// releases result_link, waits for unfinished transfers to stop, and gives the
// exit code (0). Takes no command-line arguments.
int run_program(const ServiceHosts& hosts);

}  // namespace velmora
