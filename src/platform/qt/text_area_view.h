// A text area as a plain-text QTextEdit. What the user types goes back to
// the model (TextArea::userTyped); a change of the model's text replaces the
// widget's only when the two differ, so typing never echoes back.
#pragma once

#include <QTextEdit>

#include "platform/qt/control_view.h"

namespace qtview {

class TextAreaView final : public ControlView {
 public:
  TextAreaView(ui::TextArea& model, QWidget* content);
  QTextEdit* edit() const { return static_cast<QTextEdit*>(widget()); }

 protected:
  void apply(std::string_view property) override;

 private:
  ui::TextArea& area() const { return static_cast<ui::TextArea&>(model()); }
  void userEdited();
  void applyAlignment();
};

}  // namespace qtview
