// An oval, painted inside its rectangle: filled with FillColor, outlined in
// BorderColor BorderWidth pixels wide.
#pragma once

#include "platform/qt/control_view.h"

namespace qtview {

class OvalView final : public ControlView {
 public:
  OvalView(ui::Oval& model, QWidget* content);

 protected:
  void apply(std::string_view property) override;
};

}  // namespace qtview
