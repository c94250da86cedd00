#include "http/worker.h"

#include <list>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "http/curl_session.h"
#include "http/transfer.h"
#include "text/event_pump.h"

namespace velmora {
namespace {

// Every worker thread is joined: the ones that have ended when the next one is
// started, the rest when the program ends.
class Registry {
 public:
  // libcurl (and the TLS library under it) is set up first, on this thread:
  // its exit handlers are then registered before this registry's destructor,
  // which thus runs first and lets every worker end before they tear down.
  Registry() { ensure_curl_initialised(); }
  ~Registry() { stop_all(); }

  bool start(WorkerEntry entry, const WorkerHandle& state) {
    join_finished();
    std::lock_guard lock(mutex_);
    try {
      running_.push_back(Running{state, std::thread()});
      auto slot = std::prev(running_.end());
      slot->thread = std::thread([this, entry, state, slot] {
        entry(*state);
        std::lock_guard done(mutex_);
        finished_.push_back(std::move(slot->thread));
        running_.erase(slot);
      });
    } catch (const std::system_error&) {
      running_.pop_back();
      return false;
    }
    return true;
  }

  void stop_all() {
    {
      std::lock_guard lock(mutex_);
      for (auto& worker : running_) worker.state->stop.store(true);
    }
    while (true) {
      std::unique_lock lock(mutex_);
      if (running_.empty() && finished_.empty()) return;
      std::vector<std::thread> ended = std::move(finished_);
      finished_.clear();
      lock.unlock();
      for (auto& t : ended) t.join();
      if (ended.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

 private:
  void join_finished() {
    std::vector<std::thread> ended;
    {
      std::lock_guard lock(mutex_);
      ended = std::move(finished_);
      finished_.clear();
    }
    for (auto& t : ended) t.join();
  }

  struct Running {
    WorkerHandle state;
    std::thread thread;
  };
  std::mutex mutex_;
  std::list<Running> running_;
  std::vector<std::thread> finished_;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

bool start_thread(WorkerEntry entry, const WorkerHandle& state) {
  return registry().start(entry, state);
}

void abandon_thread(WorkerState& state) { state.stop.store(true); }

void stop_all_threads() { registry().stop_all(); }

void http_worker_entry(WorkerState& state) {
  http_transfer(state.exchange, state.stop);
  state.finished.store(true, std::memory_order_release);
  wake_window_thread();
}

}  // namespace velmora
