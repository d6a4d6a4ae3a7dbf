// The view of one control: a widget on the window's content area that shows
// its model and follows every change of it. The model is the truth; a view
// reads it afresh for each change and keeps no state of its own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string_view>

#include "platform/runtime/object.h"
#include "platform/ui/controls.h"
#include "platform/ui/model.h"

namespace qtview {

class ControlView : public QObject, public ui::ModelObserver {
 public:
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  // Stops observing the model and lets go of it; the widget goes with the
  // view (deleted later, since the view may end inside one of the widget's
  // own signals).
  ~ControlView() override;

  ui::Control& model() const { return *model_; }
  // The widget, or null for a control that shows nothing (a timer).
  QWidget* widget() const { return widget_; }
  // Drawn above every other control of the window (the lines).
  virtual bool drawnOnTop() const { return false; }

  // Brings every property to the widget, as after a change of each.
  void applyAll() { apply({}); }

  void propertyChanged(ui::Model& model, const rt::PropertyEntry& property) override;
  void refreshRequested(ui::Model& model) override;

 protected:
  explicit ControlView(ui::Control& model);
  void setWidget(QWidget* widget) { widget_ = widget; }
  // Brings one property (all of them for an empty name) to the widget.
  virtual void apply(std::string_view property) = 0;
  // Left, Top, Width, Height, Visible, Enabled and HelpTag of a RectControl.
  void applyFrame(std::string_view property);

 private:
  rt::Ref<ui::Control> model_;
  QPointer<QWidget> widget_;
};

// The view for the control's kind, with its widget on `content`, showing
// the model as it is now. Controls of a kind the view does not draw get a
// view without a widget.
std::unique_ptr<ControlView> makeControlView(ui::Control& control, QWidget* content);

}  // namespace qtview
