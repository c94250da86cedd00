#include "http/worker.h"

#include <condition_variable>
#include <deque>
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

// The worker threads. Each request in progress has a thread of its own: a
// request never waits behind another. A thread whose request has ended waits
// for the next one (starting a thread costs more than a loopback request on a
// small machine), up to kMaxIdle of them; the rest end. Every thread is joined:
// the ones that ended when the next request starts, the rest when the program
// ends.
class Registry {
 public:
  // libcurl (and the TLS library under it) is set up first, on this thread:
  // its exit handlers are then registered before this registry's destructor,
  // which thus runs first and lets every worker end before they tear down.
  Registry() { ensure_curl_initialised(); }
  ~Registry() { stop_all(); }

  bool start(WorkerEntry entry, const WorkerHandle& state) {
    join_ended();
    std::lock_guard lock(mutex_);
    running_.push_back(state);
    jobs_.push_back(Job{entry, state});
    if (idle_ > 0) {
      --idle_;  // that waiting thread is now taken
      job_ready_.notify_one();
      return true;
    }
    try {
      threads_.emplace_back();
      auto self = std::prev(threads_.end());
      *self = std::thread([this, self] { serve(self); });
    } catch (const std::system_error&) {
      threads_.pop_back();
      jobs_.pop_back();
      running_.pop_back();
      return false;
    }
    return true;
  }

  void stop_all() {
    std::list<std::thread> all;
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
      for (auto& state : running_) state->stop.store(true);
      all = std::move(threads_);
      threads_.clear();
      job_ready_.notify_all();
    }
    for (auto& t : all) t.join();
    join_ended();
    std::lock_guard lock(mutex_);
    idle_ = 0;  // every thread has ended
    stopping_ = false;
  }

 private:
  struct Job {
    WorkerEntry entry;
    WorkerHandle state;
  };
  static constexpr int kMaxIdle = 4;

  void serve(std::list<std::thread>::iterator self) {
    std::unique_lock lock(mutex_);
    while (true) {
      // A new thread finds its job queued already; a thread that ran one
      // counts itself idle before it waits.
      job_ready_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
      if (jobs_.empty()) return;  // stopping
      Job job = std::move(jobs_.front());
      jobs_.pop_front();
      lock.unlock();
      job.entry(*job.state);
      lock.lock();
      running_.remove(job.state);
      if (stopping_) return;
      if (idle_ >= kMaxIdle) {
        ended_.push_back(std::move(*self));
        threads_.erase(self);
        return;
      }
      ++idle_;
    }
  }

  void join_ended() {
    std::vector<std::thread> ended;
    {
      std::lock_guard lock(mutex_);
      ended = std::move(ended_);
      ended_.clear();
    }
    for (auto& t : ended) t.join();
  }

  std::mutex mutex_;
  std::condition_variable job_ready_;
  std::deque<Job> jobs_;
  std::list<WorkerHandle> running_;
  std::list<std::thread> threads_;
  std::vector<std::thread> ended_;
  int idle_ = 0;
  bool stopping_ = false;
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
