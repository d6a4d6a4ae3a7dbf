// A window model as a top-level QMainWindow: the window's menu bar above a
// content area exactly Width by Height, filled with BackColor when
// HasBackColor, holding one view per control at the control's position.
// The title-bar buttons follow CloseButton, MinimizeButton and
// MaximizeButton; the user may resize it within MinWidth..MaxWidth by
// MinHeight..MaxHeight when Resizeable. A size the user gives it becomes
// the model's Width and Height (and raises Resized).
#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/qt/control_view.h"
#include "platform/qt/menu_bar_view.h"
#include "platform/runtime/object.h"
#include "platform/ui/window.h"

namespace qtview {

class WindowView final : public QObject, public ui::ModelObserver {
 public:
  explicit WindowView(ui::Window& window);
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;
  // Detaches from the window, its controls and its menu bar; the widgets are
  // deleted later (the view may end inside one of their own events).
  ~WindowView() override;

  ui::Window& model() const { return *window_; }
  QMainWindow* widget() const { return top_; }
  QWidget* content() const { return content_; }
  // The view of one of the window's controls, or null.
  ControlView* viewOf(const ui::Control& control) const;
  // The view of the window's menu bar, or null when it has none.
  MenuBarView* menuBarView() const { return menuBar_.get(); }

  void propertyChanged(ui::Model& model, const rt::PropertyEntry& property) override;
  void childrenChanged(ui::Model& model) override;
  void refreshRequested(ui::Model& model) override;

 private:
  void apply(std::string_view property);
  void applySize();
  void applyFlags();
  void syncControls();
  void closeRequested();
  void userResized();

  rt::Ref<ui::Window> window_;
  QPointer<QMainWindow> top_;
  QPointer<QWidget> content_;
  std::vector<std::unique_ptr<ControlView>> controls_;
  std::unique_ptr<MenuBarView> menuBar_;
  bool followingUser_ = false;
};

}  // namespace qtview
