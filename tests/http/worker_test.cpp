#include "http/worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace velmora {
namespace {

using namespace std::chrono_literals;

std::atomic<bool> second_ran{false};

bool wait_finished(const WorkerState& s) {
  const auto until = std::chrono::steady_clock::now() + 5s;
  while (!s.finished.load() && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(1ms);
  }
  return s.finished.load();
}

TEST(Workers, EachRequestInProgressHasAThreadOfItsOwn) {
  for (int round = 0; round < 3; ++round) {  // threads that waited are used again
    second_ran = false;
    auto first = std::make_shared<WorkerState>();
    auto second = std::make_shared<WorkerState>();
    // The first job holds its thread until the second has run, which it
    // could not if the two shared one.
    ASSERT_TRUE(start_thread(
        [](WorkerState& s) {
          const auto until = std::chrono::steady_clock::now() + 5s;
          while (!second_ran.load() && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(1ms);
          }
          s.finished.store(true);
        },
        first));
    ASSERT_TRUE(start_thread(
        [](WorkerState& s) {
          second_ran.store(true);
          s.finished.store(true);
        },
        second));
    EXPECT_TRUE(wait_finished(*second));
    EXPECT_TRUE(wait_finished(*first));
    EXPECT_TRUE(second_ran.load());
  }
}

TEST(Workers, StoppingAllTellsRunningWorkersAndWaitsForThem) {
  auto looping = std::make_shared<WorkerState>();
  ASSERT_TRUE(start_thread(
      [](WorkerState& s) {
        while (!s.stop.load()) std::this_thread::sleep_for(1ms);
        s.finished.store(true);
      },
      looping));
  stop_all_threads();
  EXPECT_TRUE(looping->stop.load());
  EXPECT_TRUE(looping->finished.load());
  // Workers can be started again afterwards.
  auto again = std::make_shared<WorkerState>();
  ASSERT_TRUE(start_thread([](WorkerState& s) { s.finished.store(true); }, again));
  EXPECT_TRUE(wait_finished(*again));
}

}  // namespace
}  // namespace velmora
