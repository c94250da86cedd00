#include "app/qt_event_pump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace velmora {

using namespace std::chrono_literals;

QtEventPump::QtEventPump()
    : dispatcher_(QAbstractEventDispatcher::instance(QThread::currentThread())) {
  if (dispatcher_ != nullptr) {
    idle_ = QObject::connect(dispatcher_, &QAbstractEventDispatcher::aboutToBlock,
                             [this] { idle_since_dispatch_ = true; });
  }
}

QtEventPump::~QtEventPump() { QObject::disconnect(idle_); }

void QtEventPump::dispatch_pending() {
  if (!idle_since_dispatch_) {
    if ((++calls_ & 63U) != 0) return;
    const auto now = Clock::now();
    if (now - last_dispatch_ < 1ms) return;
  }
  idle_since_dispatch_ = false;
  last_dispatch_ = Clock::now();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::wait_for_input(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  if (left <= 0ms) return;
  // The timer makes the wait end at the deadline; input and wake() end it sooner.
  QTimer deadline_timer;
  deadline_timer.setSingleShot(true);
  deadline_timer.setTimerType(Qt::PreciseTimer);
  deadline_timer.start(
      static_cast<int>(std::min<std::chrono::milliseconds::rep>(left.count(), INT32_MAX)));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  last_dispatch_ = Clock::now();
}

void QtEventPump::wake() {
  if (dispatcher_ != nullptr) dispatcher_->wakeUp();
}

}  // namespace velmora
