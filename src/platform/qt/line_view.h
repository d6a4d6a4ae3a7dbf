// A line from (X1, Y1) to (X2, Y2) in window coordinates, BorderWidth
// pixels wide in LineColor. Its widget covers just the line's bounding box,
// lets clicks pass through to what lies below, and stands above every other
// control (the cross mark is drawn over the circle and the cards' area).
#pragma once

#include "platform/qt/control_view.h"

namespace qtview {

class LineView final : public ControlView {
 public:
  LineView(ui::Line& model, QWidget* content);
  bool drawnOnTop() const override { return true; }

 protected:
  void apply(std::string_view property) override;
};

}  // namespace qtview
