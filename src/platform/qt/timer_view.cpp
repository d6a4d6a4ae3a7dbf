#include "platform/qt/timer_view.h"

#include "platform/qt/convert.h"
#include "platform/runtime/lifecycle.h"

namespace qtview {

TimerView::TimerView(ui::Timer& model) : ControlView(model) {
  clock_.setTimerType(Qt::PreciseTimer);
  connect(&clock_, &QTimer::timeout, this, [this] { fired(); });
}

void TimerView::fired() {
  rt::Ref<ui::Timer> keep = rt::Ref<ui::Timer>::retain(&timer());
  // A single-mode timer turns itself off in fire(), which stops the clock.
  rt::dispatchEvent([&] { keep->fire(); });
}

void TimerView::apply(std::string_view p) {
  if (!concerns(p, {"Mode", "Period", "Enabled"})) return;
  ui::Timer& t = timer();
  const bool running = t.enabled() && t.mode() != 0 && t.period() > 0;
  if (!running) {
    clock_.stop();
    return;
  }
  // Starting again restarts the period, as a changed setting should.
  clock_.setSingleShot(t.mode() == 1);
  clock_.start(t.period());
}

}  // namespace qtview
