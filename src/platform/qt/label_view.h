// A label as a plain-text QLabel, its lines one below the other from the top.
#pragma once

#include <QLabel>

#include "platform/qt/control_view.h"

namespace qtview {

class LabelView final : public ControlView {
 public:
  LabelView(ui::Label& model, QWidget* content);
  QLabel* label() const { return static_cast<QLabel*>(widget()); }

 protected:
  void apply(std::string_view property) override;
};

}  // namespace qtview
