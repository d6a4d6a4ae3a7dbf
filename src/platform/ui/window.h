// The framework's window model: its settings, its menu bar and its control
// registry. The window owns its controls; they hold it weakly, so a window
// and its controls form no reference cycle.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu_handlers.h"
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
  // framework's open windows. An exception from a handler passes to the
  // caller and leaves the window unopened. A second call raises.
  void construct();
  bool isOpen() const { return open_; }
  // Closes the window: removes it from the open windows. Controls stay
  // until the window is destroyed.
  void close();

  // Window.__New: a new control of the class for this window, not yet
  // constructed or registered; the caller holds its one reference. A record
  // that is no control class raises a RuntimeException.
  rt::Ref<Control> newControl(const rt::ClassRecord& cls);
  // Window._AddControl: the window holds the control under the name and
  // becomes its window. Nil raises NilObjectException; a control already
  // registered here, or held by another window, raises RuntimeException.
  void addControl(const rt::String& name, Control* control);
  // Window._RemoveControl: the window lets go of the control.
  void removeControl(Control* control);
  // Window._ControlByName: the first control registered under the name
  // (exact bytes), or nil.
  rt::Ref<Control> controlByName(const rt::String& name) const;
  // Window._ControlByNameIndex: the first control of that name whose Index
  // is `index`, whatever the order of registration; nil when none is.
  rt::Ref<Control> controlByNameIndex(const rt::String& name, std::int32_t index) const;
  // Every registered control, in order of registration.
  const std::vector<rt::Ref<Control>>& controls() const { return controls_; }

  rt::Ref<MenuBar> menuBar() const;
  void setMenuBar(MenuBar* bar);

  rt::String title() const;
  std::int32_t width() const;
  std::int32_t height() const;
  rt::Color backColor() const;
  bool visible() const;
  // The control that has the keyboard focus, or nil.
  rt::Ref<RectControl> focus() const;
  void setFocus(RectControl* control);  // nil clears it

  // --- the method table's members (slots 0 to 50) ------------------------
  void show();
  void showWithin(rt::Object* parent);
  void showModalWithin(rt::Object* parent);
  void hide();
  void closeSlot();  // raises Close (5), then close()
  void refresh();
  void refreshRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
  void showModal();
  void acceptTextDrop();
  void acceptPictureDrop();
  void acceptFileDrop(const rt::String& type);
  void acceptMacDataDrop(const rt::String& type);
  void acceptRawDataDrop(const rt::String& type);
  rt::Ref<rt::Object> controlAt(std::int32_t i);  // nil outside 0..count-1
  void setFocusSlot();                            // the window becomes active
  void drawInto(rt::Object* graphics, std::int32_t x, std::int32_t y);
  void updateNow();
  void addControlSlot(const rt::String& name, rt::Object* control);
  void addMenuHandler(const rt::String& name, const rt::MethodSlot* handler);
  rt::Ref<rt::Object> self();  // Window, Operator_Convert and TrueWindow
  rt::Ref<rt::Object> newControlSlot(const rt::ClassRecord* cls);
  void move(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h);
  void maximize();
  void minimize();
  void restore();
  void update();
  void callMoved();
  void enableMenuItems();
  void callActivated();
  void callDeactivated();
  // Runs the handler added under the command's name; false when none is.
  bool handleMenuCommand(const rt::String& command);
  void unifiedClose();  // CancelClose, Close, then close()
  bool callMouseDown(std::int32_t x, std::int32_t y);
  void callResized();
  void callResizing();
  void removeControlSlot(rt::Object* control);
  void mouseEnter();
  void mouseExit();
  void mouseMove(std::int32_t x, std::int32_t y);
  void paint();
  bool mouseWheel(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
  bool keyDown(const rt::String& key);
  void constructSlot() { construct(); }
  void focusNext();
  void focusPrevious();
  rt::Ref<rt::Object> controlByNameSlot(const rt::String& name);
  rt::Ref<rt::Object> controlByNameIndexSlot(const rt::String& name, std::int32_t index);
  void drawBackground(rt::Object* graphics);

 private:
  void addDropType(const rt::String& type);
  void updateControlCount();
  void moveFocus(int step);
  void setControlsActive(bool active);
  std::vector<rt::Ref<Control>> controls_;
  std::vector<rt::String> names_;  // parallel to controls_
  MenuHandlers menuHandlers_;
  bool open_ = false;
  bool constructed_ = false;
};

// The framework's open windows, in order of opening. The list holds a
// reference to each; releaseFrameworkReferences() lets go of them.
const std::vector<rt::Ref<Window>>& openWindows();
void closeAllWindows();

// Told when a window joins the open windows (after its Open events) and when
// it leaves them, so a view layer can draw exactly the open windows. Empty
// hooks (the default) do nothing: the models run headless.
void setWindowOpenedHook(std::function<void(Window&)> hook);
void setWindowClosedHook(std::function<void(Window&)> hook);

}  // namespace ui
