// How the rest of the program reaches the window thread's event loop.
//
// The windowing layer implements EventPump over its own event loop and installs
// it at start-up. Without one installed, a built-in pump is used: it has no
// events to dispatch, and its wait only sleeps until woken or the deadline.
#pragma once

#include <chrono>

namespace velmora {

class EventPump {
 public:
  using Clock = std::chrono::steady_clock;

  EventPump() = default;
  EventPump(const EventPump&) = delete;
  EventPump& operator=(const EventPump&) = delete;
  virtual ~EventPump() = default;

  // Dispatches the window events that are waiting and returns; never waits for
  // new ones. Called very often (after every byte an encoder writes), so it must
  // be cheap when nothing is pending.
  virtual void dispatch_pending() = 0;

  // Blocks until window input arrives (and dispatches it), wake() is called, or
  // the deadline passes, whichever comes first. Called on the window thread.
  virtual void wait_for_input(Clock::time_point deadline) = 0;

  // Makes a wait_for_input in progress return. May be called from any thread.
  virtual void wake() = 0;

  // True once the program has begun to end (its last window is gone).
  virtual bool ending() const = 0;
};

// Installs the pump of the windowing layer; nullptr puts the built-in one back.
// Call on the window thread, and uninstall before the pump is destroyed.
void install_event_pump(EventPump* pump);

// The pump in use.
EventPump& event_pump();

// Dispatches the pending window events (see EventPump::dispatch_pending).
void process_events();

// Wakes the window thread's wait from any thread; safe while pumps are swapped.
void wake_window_thread();

}  // namespace velmora
