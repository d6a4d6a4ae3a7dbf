// The framework's window model: its settings, its menu bar and its control
// registry. The window owns its controls.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/ui/controls.h"
#include "platform/ui/model.h"

namespace ui {

class MenuBar;

class Window : public Model {
 public:
  explicit Window(const rt::ClassRecord& cls);
  ~Window() override;

  // Window.Constructor: opens the window. Raises Layout (event 0), then
  // CreateControls (1), then the Open event (1) of every control in order of
  // registration, then the window's own Open (4); then adds the window to the
  // framework's open windows.
  void construct();
  bool isOpen() const { return open_; }
  // Closes the window: removes it from the open windows. Controls stay
  // until the window is destroyed.
  void close();

  // Window.__New: a new control of the class for this window, not yet
  // constructed or registered; the caller holds its one reference.
  rt::Ref<Control> newControl(const rt::ClassRecord& cls);
  // Window._AddControl: the window holds the control under the name.
  void addControl(const rt::String& name, Control* control);
  // Window._ControlByName: the first control registered under the name.
  rt::Ref<Control> controlByName(const rt::String& name) const;
  // Window._ControlByNameIndex: the control of that name whose Index is `index`.
  rt::Ref<Control> controlByNameIndex(const rt::String& name, std::int32_t index) const;
  // Every registered control, in order of registration.
  const std::vector<rt::Ref<Control>>& controls() const { return controls_; }

  rt::Ref<MenuBar> menuBar() const { return menuBar_; }
  void setMenuBar(MenuBar* bar);

  rt::String title() const;
  std::int32_t width() const;
  std::int32_t height() const;
  rt::Color backColor() const;

 private:
  struct Registered;
  std::vector<rt::Ref<Control>> controls_;
  std::vector<rt::String> names_;  // parallel to controls_
  rt::Ref<MenuBar> menuBar_;
  bool open_ = false;
};

}  // namespace ui
