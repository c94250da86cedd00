// The event pump over Qt's event loop, installed while the program runs.
#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>

#include "text/event_pump.h"

class QAbstractEventDispatcher;

namespace velmora {

class QtEventPump final : public EventPump {
 public:
  // Create on the window thread, after the application object.
  QtEventPump();
  ~QtEventPump() override;

  // Dispatching runs Qt's processEvents, which costs a system call even when
  // nothing waits; called after every encoded byte, it would dwarf the
  // encoding. So it runs at once when the loop has been idle since the last
  // dispatch (a handler that just started sees what is queued), and otherwise
  // at most once a millisecond, the clock being read every 64th call.
  void dispatch_pending() override;
  void wait_for_input(Clock::time_point deadline) override;
  void wake() override;
  bool ending() const override { return ending_.load(); }

  // The program has begun to end: waits on the network give up.
  void set_ending(bool ending = true) { ending_.store(ending); }

 private:
  QAbstractEventDispatcher* dispatcher_;
  QMetaObject::Connection idle_;
  std::uint32_t calls_ = 0;
  bool idle_since_dispatch_ = true;
  Clock::time_point last_dispatch_{};
  std::atomic<bool> ending_{false};
};

}  // namespace velmora
