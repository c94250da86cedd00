// The percent encoders with the real Qt event dispatching installed, against
// the same encoding with a pump that does nothing.
#include <QApplication>

#include <string>

#include "app/generate.h"
#include "app/qt_event_pump.h"
#include "figures.h"
#include "text/percent.h"

namespace velmora {
namespace {

class IdlePump final : public EventPump {
 public:
  void dispatch_pending() override {}
  void wait_for_input(Clock::time_point) override {}
  void wake() override {}
  bool ending() const override { return false; }
};

QtEventPump* qt_pump = nullptr;
IdlePump idle_pump;

const Text& one_mib() {
  static const Text text = [] {
    std::string s;
    while (s.size() < 1024 * 1024) s += "\xD5\xC5\xC8\xFD love \xC0\xEE\xCB\xC4 ";
    s.resize(1024 * 1024);
    return Text(std::move(s));
  }();
  return text;
}

template <bool WithQt, bool Utf8>
void BM_Encode(benchmark::State& state) {
  install_event_pump(WithQt ? static_cast<EventPump*>(qt_pump) : &idle_pump);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Utf8 ? percent_encode_utf8(one_mib())
                                  : percent_encode_text(one_mib()));
  }
  install_event_pump(nullptr);
}
BENCHMARK(BM_Encode<true, false>)->Name("BM_PercentEncodeText/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode<false, false>)
    ->Name("BM_PercentEncodeText/idle")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode<true, true>)->Name("BM_PercentEncodeUtf8/qt")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode<false, true>)->Name("BM_PercentEncodeUtf8/idle")->Unit(benchmark::kMillisecond);

void BM_QtProcessEventsAlone(benchmark::State& state) {
  for (auto _ : state) QCoreApplication::processEvents();
}
BENCHMARK(BM_QtProcessEventsAlone);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  char name[] = "encode_bench";
  char* qt_argv[] = {name, nullptr};
  QApplication application(qt_argc, qt_argv);
  velmora::QtEventPump pump;
  velmora::qt_pump = &pump;
  return velmora::bench::run_benchmarks(argc, argv, [](const velmora::bench::FigureReporter& r) {
    r.ratio("percent_encode_text 1 MiB, Qt dispatching / idle pump", "BM_PercentEncodeText/qt",
            "BM_PercentEncodeText/idle", "<= 5");
    r.ratio("percent_encode_utf8 1 MiB, Qt dispatching / idle pump", "BM_PercentEncodeUtf8/qt",
            "BM_PercentEncodeUtf8/idle", "<= 5");
  });
}
