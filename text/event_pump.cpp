#include "text/event_pump.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace velmora {
namespace {

// Without a windowing layer there is nothing to dispatch; a wait sleeps until
// it is woken or its deadline passes.
class BuiltInPump final : public EventPump {
 public:
  void dispatch_pending() override {}

  void wait_for_input(Clock::time_point deadline) override {
    std::unique_lock lock(mutex_);
    woken_.wait_until(lock, deadline, [this] { return wake_pending_; });
    wake_pending_ = false;
  }

  void wake() override {
    {
      std::lock_guard lock(mutex_);
      wake_pending_ = true;
    }
    woken_.notify_all();
  }

  bool ending() const override { return false; }

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wake_pending_ = false;
};

// Both live until the process ends: worker threads may still wake the window
// thread while static objects are being destroyed.
BuiltInPump& built_in_pump() {
  static BuiltInPump* const pump = new BuiltInPump();
  return *pump;
}

std::atomic<EventPump*> installed{nullptr};
std::mutex& swap_mutex() {
  static std::mutex* const mutex = new std::mutex();
  return *mutex;
}

}  // namespace

void install_event_pump(EventPump* pump) {
  std::lock_guard lock(swap_mutex());
  installed.store(pump, std::memory_order_release);
}

EventPump& event_pump() {
  EventPump* pump = installed.load(std::memory_order_acquire);
  return pump != nullptr ? *pump : built_in_pump();
}

void process_events() { event_pump().dispatch_pending(); }

void wake_window_thread() {
  std::lock_guard lock(swap_mutex());
  event_pump().wake();
}

}  // namespace velmora
