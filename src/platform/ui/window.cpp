#include "platform/ui/window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/menu.h"

namespace ui {

namespace {

// The window's events beside those in controls.h.
namespace wevent {
constexpr std::size_t kAddMenuHandlers = 2;
constexpr std::size_t kSetupBindings = 3;
constexpr std::size_t kKeyDown = 7;
constexpr std::size_t kMouseMove = 9;
constexpr std::size_t kMouseEnter = 10;
constexpr std::size_t kMouseExit = 11;
constexpr std::size_t kPaint = 12;
constexpr std::size_t kMouseDown = 13;
constexpr std::size_t kEnableMenuItems = 16;
constexpr std::size_t kResized = 17;
constexpr std::size_t kResizing = 18;
constexpr std::size_t kMoved = 19;
constexpr std::size_t kActivate = 21;
constexpr std::size_t kDeactivate = 22;
constexpr std::size_t kMinimize = 23;
constexpr std::size_t kMaximize = 24;
constexpr std::size_t kRestore = 25;
constexpr std::size_t kMouseWheel = 26;
}  // namespace wevent

std::vector<rt::Ref<Window>>& openList() {
  static std::vector<rt::Ref<Window>> windows;
  return windows;
}

std::function<void(Window&)>& openedHook() {
  static std::function<void(Window&)> hook;
  return hook;
}

std::function<void(Window&)>& closedHook() {
  static std::function<void(Window&)> hook;
  return hook;
}

Control& asControl(rt::Object* obj, const char* member) {
  if (!obj) rt::RaiseNilObjectException(rt::String(std::string(member) + " was given nil"));
  auto* c = dynamic_cast<Control*>(obj);
  if (!c)
    rt::raiseRuntimeException(
        rt::String(std::string(member) + ": " + obj->classRecord().name.str() + " is no control"));
  return *c;
}

// Sets a value the model keeps read-only for the program.
void storeNamed(Model& m, const char* name, const rt::Value& v) {
  const int i = m.classRecord().propertyIndex(name);
  m.storeValue(static_cast<std::uint32_t>(i < 0 ? 0x7fffffff : i), v);
}

}  // namespace

const std::vector<rt::Ref<Window>>& openWindows() { return openList(); }

void setWindowOpenedHook(std::function<void(Window&)> hook) { openedHook() = std::move(hook); }
void setWindowClosedHook(std::function<void(Window&)> hook) { closedHook() = std::move(hook); }

void closeAllWindows() {
  // Moved out first: a window that dies here may not find itself in a list
  // that is being torn down.
  std::vector<rt::Ref<Window>> windows = std::move(openList());
  openList().clear();
  for (const auto& w : windows) w->close();
}

Window::Window(const rt::ClassRecord& cls) : Model(cls) {}

Window::~Window() = default;

void Window::construct() {
  if (constructed_) {
    rt::raiseRuntimeException(rt::String(classRecord().name.str() + ": the window is constructed already"));
  }
  constructed_ = true;
  rt::Ref<Window> keep = rt::Ref<Window>::retain(this);
  rt::raiseEvent(*this, event::kWindowLayout);
  rt::raiseEvent(*this, event::kWindowCreateControls);
  rt::raiseEvent(*this, wevent::kAddMenuHandlers);
  rt::raiseEvent(*this, wevent::kSetupBindings);
  // A handler may register controls: open the ones there are now.
  const std::vector<rt::Ref<Control>> made = controls_;
  for (const auto& c : made) rt::raiseEvent(*c, event::kControlOpen);
  rt::raiseEvent(*this, event::kWindowOpen);
  open_ = true;
  storeValue(indexOf("IsOpen"), true);
  openList().push_back(keep);
  if (openedHook()) openedHook()(*this);
}

void Window::close() {
  if (!open_) return;
  rt::Ref<Window> keep = rt::Ref<Window>::retain(this);
  open_ = false;
  storeValue(indexOf("IsOpen"), false);
  std::erase(openList(), keep);
  if (closedHook()) closedHook()(*this);
}

rt::Ref<Control> Window::newControl(const rt::ClassRecord& cls) {
  if (!cls.isa(ControlClass()) && !cls.isa(TimerClass())) {
    rt::raiseRuntimeException(rt::String("Window.__New: " + cls.name.str() + " is no control class"));
  }
  rt::Ref<rt::Object> obj = rt::RuntimeNewObject(cls);
  auto* c = dynamic_cast<Control*>(obj.get());
  if (!c) rt::raiseRuntimeException(rt::String("Window.__New: " + cls.name.str() + " made no control"));
  obj.release();
  rt::Ref<Control> control = rt::Ref<Control>::adopt(c);
  control->setWindow(this);
  return control;
}

void Window::addControl(const rt::String& name, Control* control) {
  if (!control) rt::RaiseNilObjectException(rt::String("Window._AddControl was given nil for " + name.str()));
  if (std::find(controls_.begin(), controls_.end(), rt::Ref<Control>::retain(control)) != controls_.end()) {
    rt::raiseRuntimeException(
        rt::String("Window._AddControl: the control is registered already as " + control->name().str()));
  }
  rt::Ref<Window> other = control->window();
  if (other && other.get() != this) {
    rt::raiseRuntimeException(rt::String("Window._AddControl: " + name.str() + " belongs to another window"));
  }
  controls_.push_back(rt::Ref<Control>::retain(control));
  names_.push_back(name);
  control->setWindow(this);
  control->name_ = name;
  updateControlCount();
  notifyChildren();
}

void Window::removeControl(Control* control) {
  auto it = std::find(controls_.begin(), controls_.end(), rt::Ref<Control>::retain(control));
  if (it == controls_.end()) return;
  rt::Ref<Control> keep = *it;
  if (focus().get() == control) setFocus(nullptr);
  names_.erase(names_.begin() + (it - controls_.begin()));
  controls_.erase(it);
  if (keep->window().get() == this) keep->setWindow(nullptr);
  updateControlCount();
  notifyChildren();
}

rt::Ref<Control> Window::controlByName(const rt::String& name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (names_[i] == name) return controls_[i];
  }
  return nullptr;
}

rt::Ref<Control> Window::controlByNameIndex(const rt::String& name, std::int32_t index) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (names_[i] == name && controls_[i]->index() == index) return controls_[i];
  }
  return nullptr;
}

rt::Ref<MenuBar> Window::menuBar() const {
  const auto& obj = std::get<rt::Ref<rt::Object>>(storedValue(indexOf("MenuBar")));
  auto* bar = dynamic_cast<MenuBar*>(obj.get());
  return rt::Ref<MenuBar>::retain(bar);
}

void Window::setMenuBar(MenuBar* bar) { storeValue(indexOf("MenuBar"), rt::Ref<rt::Object>::retain(bar)); }

rt::String Window::title() const { return stringProperty("Title"); }
std::int32_t Window::width() const { return int32Property("Width"); }
std::int32_t Window::height() const { return int32Property("Height"); }
rt::Color Window::backColor() const { return colorProperty("BackColor"); }
bool Window::visible() const { return boolProperty("Visible"); }

rt::Ref<RectControl> Window::focus() const {
  const auto& obj = std::get<rt::Ref<rt::Object>>(storedValue(indexOf("Focus")));
  return rt::Ref<RectControl>::retain(dynamic_cast<RectControl*>(obj.get()));
}

void Window::setFocus(RectControl* control) {
  if (control && control->window().get() != this) {
    rt::raiseRuntimeException(rt::String("Window: only a control of this window can have its focus"));
  }
  rt::Ref<RectControl> previous = focus();
  if (previous.get() == control) return;
  if (previous) storeNamed(*previous, "HasFocus", false);
  storeValue(indexOf("Focus"), rt::Ref<rt::Object>::retain(control));
  if (control) storeNamed(*control, "HasFocus", true);
}

// --- the method table's members ---------------------------------------------

void Window::show() { storeValue(indexOf("Visible"), true); }
void Window::showWithin(rt::Object* /*parent*/) { show(); }

void Window::showModalWithin(rt::Object* /*parent*/) {
  storeValue(indexOf("Modal"), true);
  show();
}

void Window::hide() { storeValue(indexOf("Visible"), false); }

void Window::closeSlot() {
  rt::Ref<Window> keep = rt::Ref<Window>::retain(this);
  rt::raiseEvent(*this, event::kWindowClose);
  close();
}

void Window::refresh() { notifyRefresh(); }
void Window::refreshRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) { notifyRefresh(); }

void Window::showModal() {
  storeValue(indexOf("Modal"), true);
  show();
}

void Window::addDropType(const rt::String& type) {
  storeValue(indexOf("AcceptedDropTypes"), withLineAdded(stringProperty("AcceptedDropTypes"), type));
}

void Window::acceptTextDrop() { addDropType("text"); }
void Window::acceptPictureDrop() { addDropType("picture"); }
void Window::acceptFileDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("file:", type)); }
void Window::acceptMacDataDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("mac:", type)); }
void Window::acceptRawDataDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("raw:", type)); }

rt::Ref<rt::Object> Window::controlAt(std::int32_t i) {
  if (i < 0 || static_cast<std::size_t>(i) >= controls_.size()) return nullptr;
  return controls_[static_cast<std::size_t>(i)];
}

void Window::setFocusSlot() { storeValue(indexOf("Active"), true); }

// A model has no pixels of its own: the view draws it.
void Window::drawInto(rt::Object* /*graphics*/, std::int32_t /*x*/, std::int32_t /*y*/) {}

void Window::updateNow() { notifyRefresh(); }

void Window::addControlSlot(const rt::String& name, rt::Object* control) {
  addControl(name, &asControl(control, "Window._AddControl"));
}

void Window::addMenuHandler(const rt::String& name, const rt::MethodSlot* handler) {
  menuHandlers_.add(name, handler, "Window._AddMenuHandler");
}

rt::Ref<rt::Object> Window::self() { return rt::Ref<rt::Object>::retain(this); }

rt::Ref<rt::Object> Window::newControlSlot(const rt::ClassRecord* cls) {
  if (!cls) rt::RaiseNilObjectException(rt::String("Window.__New was given no class"));
  return newControl(*cls);
}

void Window::move(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
  const bool moved = l != int32Property("Left") || t != int32Property("Top");
  const bool resized = w != width() || h != height();
  storeValue(indexOf("Left"), l);
  storeValue(indexOf("Top"), t);
  storeValue(indexOf("Width"), w);
  storeValue(indexOf("Height"), h);
  if (moved) rt::raiseEvent(*this, wevent::kMoved);
  if (resized) rt::raiseEvent(*this, wevent::kResized);
}

void Window::maximize() {
  storeValue(indexOf("Minimized"), false);
  storeValue(indexOf("Maximized"), true);
  rt::raiseEvent(*this, wevent::kMaximize);
}

void Window::minimize() {
  storeValue(indexOf("Minimized"), true);
  rt::raiseEvent(*this, wevent::kMinimize);
}

void Window::restore() {
  storeValue(indexOf("Minimized"), false);
  storeValue(indexOf("Maximized"), false);
  rt::raiseEvent(*this, wevent::kRestore);
}

void Window::update() { notifyRefresh(); }
void Window::callMoved() { rt::raiseEvent(*this, wevent::kMoved); }
void Window::enableMenuItems() { rt::raiseEvent(*this, wevent::kEnableMenuItems); }

void Window::setControlsActive(bool active) {
  for (const auto& c : controls_) {
    if (dynamic_cast<RectControl*>(c.get())) storeNamed(*c, "Active", active);
  }
}

void Window::callActivated() {
  storeValue(indexOf("Active"), true);
  setControlsActive(true);
  rt::raiseEvent(*this, wevent::kActivate);
}

void Window::callDeactivated() {
  storeValue(indexOf("Active"), false);
  setControlsActive(false);
  rt::raiseEvent(*this, wevent::kDeactivate);
}

bool Window::handleMenuCommand(const rt::String& command) { return menuHandlers_.handle(*this, command); }

void Window::unifiedClose() {
  rt::Ref<Window> keep = rt::Ref<Window>::retain(this);
  rt::raiseEvent(*this, event::kWindowCancelClose);
  closeSlot();
}

bool Window::callMouseDown(std::int32_t x, std::int32_t y) {
  storeValue(indexOf("MouseX"), x);
  storeValue(indexOf("MouseY"), y);
  return rt::raiseEvent(*this, wevent::kMouseDown);
}

void Window::callResized() { rt::raiseEvent(*this, wevent::kResized); }
void Window::callResizing() { rt::raiseEvent(*this, wevent::kResizing); }

void Window::removeControlSlot(rt::Object* control) { removeControl(&asControl(control, "Window._RemoveControl")); }

void Window::mouseEnter() { rt::raiseEvent(*this, wevent::kMouseEnter); }
void Window::mouseExit() { rt::raiseEvent(*this, wevent::kMouseExit); }

void Window::mouseMove(std::int32_t x, std::int32_t y) {
  storeValue(indexOf("MouseX"), x);
  storeValue(indexOf("MouseY"), y);
  rt::raiseEvent(*this, wevent::kMouseMove);
}

void Window::paint() { rt::raiseEvent(*this, wevent::kPaint); }

// Handlers return nothing here, so the wheel and keys are never reported as
// consumed.
bool Window::mouseWheel(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  rt::raiseEvent(*this, wevent::kMouseWheel);
  return false;
}

bool Window::keyDown(const rt::String& /*key*/) {
  rt::raiseEvent(*this, wevent::kKeyDown);
  return false;
}

void Window::moveFocus(int step) {
  std::vector<RectControl*> candidates;
  for (const auto& c : controls_) {
    auto* rc = dynamic_cast<RectControl*>(c.get());
    if (rc && rc->visible() && rc->enabled()) candidates.push_back(rc);
  }
  if (candidates.empty()) return;
  const auto n = static_cast<std::ptrdiff_t>(candidates.size());
  const auto at = std::find(candidates.begin(), candidates.end(), focus().get()) - candidates.begin();
  // With no focus yet, the first step forward lands on the first control and
  // the first step back on the last.
  const std::ptrdiff_t next = at == n ? (step > 0 ? 0 : n - 1) : ((at + step) % n + n) % n;
  setFocus(candidates[static_cast<std::size_t>(next)]);
}

void Window::focusNext() { moveFocus(1); }
void Window::focusPrevious() { moveFocus(-1); }

rt::Ref<rt::Object> Window::controlByNameSlot(const rt::String& name) { return controlByName(name); }

rt::Ref<rt::Object> Window::controlByNameIndexSlot(const rt::String& name, std::int32_t index) {
  return controlByNameIndex(name, index);
}

void Window::drawBackground(rt::Object* /*graphics*/) {}

void Window::updateControlCount() { storeValue(indexOf("ControlCount"), static_cast<std::int32_t>(controls_.size())); }

}  // namespace ui
