// A bevel button as a QPushButton showing its Caption (lines split at the
// carriage returns). A click pushes the model through the event dispatch,
// which raises its Action event.
#pragma once

#include <QPushButton>

#include "platform/qt/control_view.h"

namespace qtview {

class BevelButtonView final : public ControlView {
 public:
  BevelButtonView(ui::BevelButton& model, QWidget* content);
  QPushButton* button() const { return static_cast<QPushButton*>(widget()); }

 protected:
  void apply(std::string_view property) override;

 private:
  ui::BevelButton& bevel() const { return static_cast<ui::BevelButton&>(model()); }
  void clicked();
};

}  // namespace qtview
