// A timer has nothing to draw: its view is a QTimer that fires the model
// every Period milliseconds while its Mode is not 0 (off), it is Enabled
// and its Period is positive (the model counts no time without one).
#pragma once

#include <QTimer>

#include "platform/qt/control_view.h"

namespace qtview {

class TimerView final : public ControlView {
 public:
  explicit TimerView(ui::Timer& model);
  const QTimer& clock() const { return clock_; }

 protected:
  void apply(std::string_view property) override;

 private:
  ui::Timer& timer() const { return static_cast<ui::Timer&>(model()); }
  void fired();
  QTimer clock_;
};

}  // namespace qtview
