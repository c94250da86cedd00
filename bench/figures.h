// Benchmarks report their times as usual and, at the end, the figures the
// speed goals are stated in: ratios between two benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora::bench {

class FigureReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  // The median of a repeated benchmark, else its one time.
  double time(const std::string& name) const {
    auto it = times_.find(name + "_median");
    if (it == times_.end()) it = times_.find(name);
    return it == times_.end() ? 0.0 : it->second;
  }
  // Prints time(a) / time(b) with a description of what it measures.
  void ratio(const char* what, const std::string& a, const std::string& b, const char* goal) const {
    const double x = time(a);
    const double y = time(b);
    if (x > 0 && y > 0) std::printf("  %-58s %6.2f   (goal: %s)\n", what, x / y, goal);
  }

 private:
  std::map<std::string, double> times_;
};

// Runs the registered benchmarks and hands the reporter to `figures`.
template <typename Figures>
int run_benchmarks(int argc, char** argv, Figures figures) {
  benchmark::Initialize(&argc, argv);
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nFigures:\n");
  figures(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace velmora::bench
