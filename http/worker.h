// The worker threads that carry out transfers, one for each request in
// progress, and their hand-over with the window thread.
#pragma once

#include <atomic>
#include <memory>

#include "http/exchange.h"

namespace velmora {

// Shared by the window thread and one worker. The record belongs to the worker
// from its start until it sets `finished`, and to the runner after that. A
// runner that gives up on a worker drops its share and never reads the record
// again; the worker keeps the state alive until it ends.
struct WorkerState {
  HttpExchange exchange;
  std::atomic<bool> finished{false};
  std::atomic<bool> stop{false};
};
using WorkerHandle = std::shared_ptr<WorkerState>;
using WorkerEntry = void (*)(WorkerState&);

// Runs entry(*state) on a worker thread of its own: one that waits for work,
// or a new one. False when no thread could be had.
bool start_thread(WorkerEntry entry, const WorkerHandle& state);

// In place of ending a thread by force: tells the worker's transfer to stop and
// leaves the thread to end by itself, which it does within about a second.
void abandon_thread(WorkerState& state);

// Tells every worker still running to stop and waits until all have ended.
// Called when the program ends; workers started later are waited for as well.
void stop_all_threads();

// The worker thread's entry: runs the transfer on the record, marks it
// finished and wakes the window thread.
void http_worker_entry(WorkerState& state);

}  // namespace velmora
