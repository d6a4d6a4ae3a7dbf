#include "platform/qt/control_view.h"

#include "platform/qt/bevel_button_view.h"
#include "platform/qt/convert.h"
#include "platform/qt/label_view.h"
#include "platform/qt/line_view.h"
#include "platform/qt/oval_view.h"
#include "platform/qt/text_area_view.h"
#include "platform/qt/timer_view.h"

namespace qtview {

namespace {

// A control the view has no widget for: it still holds and watches its
// model, so every control of a window has exactly one view.
class BlankView final : public ControlView {
 public:
  explicit BlankView(ui::Control& model) : ControlView(model) {}

 protected:
  void apply(std::string_view) override {}
};

}  // namespace

ControlView::ControlView(ui::Control& model) : model_(rt::Ref<ui::Control>::retain(&model)) {
  model_->setObserver(this);
}

ControlView::~ControlView() {
  if (model_->observer() == this) model_->setObserver(nullptr);
  if (widget_) {
    // The view goes now; a signal the widget is still emitting must not
    // reach it, and nothing may be drawn for a model that is let go.
    widget_->disconnect(this);
    widget_->hide();
    widget_->deleteLater();
  }
}

void ControlView::propertyChanged(ui::Model&, const rt::PropertyEntry& property) {
  const std::string_view name = property.name.bytes();
  if (!name.empty()) apply(name);
}

void ControlView::refreshRequested(ui::Model&) {
  if (widget_) widget_->update();
}

void ControlView::applyFrame(std::string_view property) {
  auto* rect = dynamic_cast<ui::RectControl*>(model_.get());
  if (!widget_ || !rect) return;
  if (concerns(property, {"Left", "Top", "Width", "Height"})) {
    widget_->setGeometry(rect->left(), rect->top(), rect->width(), rect->height());
  }
  if (concerns(property, {"Visible"})) widget_->setVisible(rect->visible());
  if (concerns(property, {"Enabled"})) widget_->setEnabled(rect->enabled());
  if (concerns(property, {"HelpTag"})) widget_->setToolTip(toQString(stringOf(*rect, "HelpTag")));
}

std::unique_ptr<ControlView> makeControlView(ui::Control& control, QWidget* content) {
  std::unique_ptr<ControlView> view;
  if (auto* area = dynamic_cast<ui::TextArea*>(&control)) {
    view = std::make_unique<TextAreaView>(*area, content);
  } else if (auto* label = dynamic_cast<ui::Label*>(&control)) {
    view = std::make_unique<LabelView>(*label, content);
  } else if (auto* oval = dynamic_cast<ui::Oval*>(&control)) {
    view = std::make_unique<OvalView>(*oval, content);
  } else if (auto* line = dynamic_cast<ui::Line*>(&control)) {
    view = std::make_unique<LineView>(*line, content);
  } else if (auto* button = dynamic_cast<ui::BevelButton*>(&control)) {
    view = std::make_unique<BevelButtonView>(*button, content);
  } else if (auto* timer = dynamic_cast<ui::Timer*>(&control)) {
    view = std::make_unique<TimerView>(*timer);
  } else {
    view = std::make_unique<BlankView>(control);
  }
  view->applyAll();
  return view;
}

}  // namespace qtview
