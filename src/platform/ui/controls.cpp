#include "platform/ui/controls.h"

#include <algorithm>
#include <string>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

// FontUnits: 0 default, 1 pixel, 2 point, 3 inch, 4 millimetre.
constexpr std::int32_t kLastFontUnit = 4;

void checkFontUnit(const Model& m, std::int32_t unit) {
  if (unit < 0 || unit > kLastFontUnit) {
    rt::raiseRuntimeException(rt::String(m.classRecord().name.str() + ".TextUnit: " + std::to_string(unit) +
                                         " is no FontUnits value (0 to 4)"));
  }
}

const rt::InterfaceEntry* receiverEntry(const rt::Object& obj) {
  for (const rt::InterfaceEntry& e : obj.classRecord().interfaces) {
    if (e.interface == &ActionNotificationReceiverInterface() && !e.table.empty()) return &e;
  }
  return nullptr;
}

// Counts UTF-8 characters: every byte that does not continue a sequence.
std::int32_t characterCount(const rt::String& s) {
  std::int32_t n = 0;
  for (char c : s.bytes()) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace

// --- ActionReceivers ---------------------------------------------------------

void ActionReceivers::add(rt::Object* receiver, const char* member) {
  if (!receiver) rt::RaiseNilObjectException(rt::String(std::string(member) + " was given nil"));
  if (!receiverEntry(*receiver)) {
    rt::raiseRuntimeException(rt::String(std::string(member) + ": " + receiver->classRecord().name.str() +
                                         " is no actionNotificationReceiver"));
  }
  for (const auto& r : receivers_) {
    if (r.lock().get() == receiver) return;
  }
  receivers_.emplace_back(receiver);
}

void ActionReceivers::remove(rt::Object* receiver) {
  std::erase_if(receivers_,
                [&](const rt::WeakRef<rt::Object>& r) { return r.expired() || r.lock().get() == receiver; });
}

std::size_t ActionReceivers::count() const {
  return static_cast<std::size_t>(
      std::count_if(receivers_.begin(), receivers_.end(), [](const auto& r) { return !r.expired(); }));
}

void ActionReceivers::notify(rt::Object& sender) const {
  // A receiver may add or remove receivers while it runs: work from a copy.
  std::vector<rt::Ref<rt::Object>> live;
  for (const auto& r : receivers_) {
    if (auto obj = r.lock()) live.push_back(std::move(obj));
  }
  for (const auto& obj : live) {
    const rt::InterfaceEntry* e = receiverEntry(*obj);
    rt::callFn<void(rt::Object*)>(e->table[0], "%%o<Object>", *obj, &sender);
  }
}

// --- Control -----------------------------------------------------------------

Control::Control(const rt::ClassRecord& cls) : Model(cls) {}

std::int32_t Control::index() const {
  const rt::PropertyEntry* p = classRecord().findProperty("Index");
  if (!p || !p->getter) return ownIndex_;
  // Getters take the object as a plain reference; reading changes nothing.
  return rt::VariantToInt32(p->getter(const_cast<Control&>(*this), p->storage));
}

void Control::setIndex(std::int32_t i) {
  const rt::PropertyEntry* p = classRecord().findProperty("Index");
  if (!p) {
    ownIndex_ = i;
    return;
  }
  if (!p->setter) rt::raiseRuntimeException(rt::String(classRecord().name.str() + ".Index is read-only"));
  p->setter(*this, p->storage, rt::Value(i));
}

rt::Ref<Window> Control::window() const { return window_.lock(); }

void Control::setWindow(Window* w) { window_ = rt::WeakRef<Window>(w); }

void Control::construct() { constructed_ = true; }

void Control::close() {
  rt::Ref<Control> keep = rt::Ref<Control>::retain(this);
  rt::raiseEvent(*this, event::kControlClose);
  if (rt::Ref<Window> w = window()) w->removeControl(this);
}

void Control::setWindowSlot(rt::Object* w) {
  if (!w) {
    setWindow(nullptr);
    return;
  }
  auto* win = dynamic_cast<Window*>(w);
  if (!win) {
    rt::raiseRuntimeException(rt::String("Control._SetWindow: " + w->classRecord().name.str() + " is no Window"));
  }
  setWindow(win);
}

void Control::callOpenEvent() { rt::raiseEvent(*this, event::kControlOpen); }

// --- RectControl ---------------------------------------------------------------

std::int32_t RectControl::left() const { return int32Property("Left"); }
std::int32_t RectControl::top() const { return int32Property("Top"); }
std::int32_t RectControl::width() const { return int32Property("Width"); }
std::int32_t RectControl::height() const { return int32Property("Height"); }
bool RectControl::visible() const { return boolProperty("Visible"); }
void RectControl::setVisible(bool v) { storeValue(indexOf("Visible"), v); }
bool RectControl::enabled() const { return boolProperty("Enabled"); }
void RectControl::setEnabled(bool e) { storeValue(indexOf("Enabled"), e); }
bool RectControl::hasFocus() const { return boolProperty("HasFocus"); }
rt::String RectControl::acceptedDropTypes() const { return stringProperty("AcceptedDropTypes"); }

void RectControl::construct() {
  const bool first = !constructed();
  Control::construct();
  if (first) rt::raiseEvent(*this, event::kControlCreatePane);
}

// A model has no pixels of its own: the view draws it.
void RectControl::drawInto(rt::Object* /*graphics*/, std::int32_t /*x*/, std::int32_t /*y*/) {}

void RectControl::refresh(bool /*eraseBackground*/) { notifyRefresh(); }

void RectControl::refreshRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool) { notifyRefresh(); }

void RectControl::setFocus() {
  if (rt::Ref<Window> w = window()) {
    w->setFocus(this);
  } else {
    storeValue(indexOf("HasFocus"), true);
  }
}

void RectControl::addDropType(const rt::String& type) {
  storeValue(indexOf("AcceptedDropTypes"), withLineAdded(acceptedDropTypes(), type));
}

void RectControl::acceptTextDrop() { addDropType("text"); }
void RectControl::acceptPictureDrop() { addDropType("picture"); }
void RectControl::acceptFileDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("file:", type)); }
void RectControl::acceptMacDataDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("mac:", type)); }
void RectControl::acceptRawDataDrop(const rt::String& type) { addDropType(rt::RuntimeAddString("raw:", type)); }

void RectControl::addMenuHandler(const rt::String& name, const rt::MethodSlot* handler) {
  menuHandlers_.add(name, handler, "RectControl._AddMenuHandler");
}

void RectControl::move(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
  storeValue(indexOf("Left"), l);
  storeValue(indexOf("Top"), t);
  storeValue(indexOf("Width"), w);
  storeValue(indexOf("Height"), h);
}

void RectControl::setMouse(std::int32_t x, std::int32_t y) {
  storeValue(indexOf("MouseX"), x);
  storeValue(indexOf("MouseY"), y);
}

void RectControl::mouseEnter() { rt::raiseEvent(*this, event::kRectMouseEnter); }
void RectControl::mouseExit() { rt::raiseEvent(*this, event::kRectMouseExit); }

void RectControl::mouseMove(std::int32_t x, std::int32_t y) {
  setMouse(x, y);
  rt::raiseEvent(*this, event::kRectMouseMove);
}

bool RectControl::mouseWheel(std::int32_t x, std::int32_t y, std::int32_t, std::int32_t) {
  setMouse(x, y);
  rt::raiseEvent(*this, event::kRectMouseWheel);
  return false;
}

void RectControl::invalidate(bool /*eraseBackground*/) { notifyRefresh(); }

void RectControl::invalidateRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t, bool) { notifyRefresh(); }

// Handlers return nothing here, so a key is never reported as consumed.
bool RectControl::keyDown(const rt::String& /*key*/) {
  rt::raiseEvent(*this, event::kRectKeyDown);
  return false;
}

rt::Ref<rt::Object> RectControl::trueWindow() { return window(); }

// True when a MouseDown handler ran: the control then follows the drag.
bool RectControl::mouseDown(std::int32_t x, std::int32_t y) {
  setMouse(x, y);
  return rt::raiseEvent(*this, event::kShapeMouseDown);
}

void RectControl::mouseDrag(std::int32_t x, std::int32_t y) {
  setMouse(x, y);
  rt::raiseEvent(*this, event::kRectMouseDrag);
}

void RectControl::mouseUp(std::int32_t x, std::int32_t y) {
  setMouse(x, y);
  rt::raiseEvent(*this, event::kShapeMouseUp);
}

// --- TextArea ------------------------------------------------------------------

rt::String TextArea::text() const { return stringProperty("Text"); }
void TextArea::setText(const rt::String& t) { storeValue(indexOf("Text"), t); }
double TextArea::lineSpacing() const { return doubleProperty("LineSpacing"); }
void TextArea::setLineSpacing(double s) { storeValue(indexOf("LineSpacing"), s); }
std::int32_t TextArea::textUnit() const { return int32Property("TextUnit"); }
void TextArea::setTextUnit(std::int32_t unit) {
  checkFontUnit(*this, unit);
  storeValue(indexOf("TextUnit"), unit);
}

void TextArea::userTyped(const rt::String& t) {
  if (text() == t) return;
  setText(t);
  rt::raiseEvent(*this, event::kTextAreaTextChange);
}

void TextArea::appendText(const rt::String& t) { setText(rt::RuntimeAddString(text(), t)); }

void TextArea::selectAll() {
  storeValue(indexOf("SelStart"), std::int32_t{0});
  storeValue(indexOf("SelLength"), characterCount(text()));
}

// --- Label, Line ---------------------------------------------------------------

rt::String Label::text() const { return stringProperty("Text"); }
void Label::setText(const rt::String& t) { storeValue(indexOf("Text"), t); }
std::int32_t Label::textUnit() const { return int32Property("TextUnit"); }
void Label::setTextUnit(std::int32_t unit) {
  checkFontUnit(*this, unit);
  storeValue(indexOf("TextUnit"), unit);
}

std::int32_t Line::x1() const { return int32Property("X1"); }
std::int32_t Line::y1() const { return int32Property("Y1"); }
std::int32_t Line::x2() const { return int32Property("X2"); }
std::int32_t Line::y2() const { return int32Property("Y2"); }
std::int32_t Line::borderWidth() const { return int32Property("BorderWidth"); }

// --- BevelButton ---------------------------------------------------------------

rt::String BevelButton::caption() const { return stringProperty("Caption"); }
void BevelButton::setCaption(const rt::String& c) { storeValue(indexOf("Caption"), c); }
double BevelButton::textSize() const { return doubleProperty("TextSize"); }
void BevelButton::setTextSize(float size) { storeValue(indexOf("TextSize"), static_cast<double>(size)); }
std::int32_t BevelButton::textUnit() const { return int32Property("TextUnit"); }
void BevelButton::setTextUnit(std::int32_t unit) {
  checkFontUnit(*this, unit);
  storeValue(indexOf("TextUnit"), unit);
}
bool BevelButton::value() const { return boolProperty("Value"); }

void BevelButton::push() {
  if (!enabled()) return;
  rt::Ref<BevelButton> keep = rt::Ref<BevelButton>::retain(this);
  // ButtonType: 0 push button, 1 toggles its Value, 2 sticks down.
  const std::int32_t type = int32Property("ButtonType");
  if (type == 1) storeValue(indexOf("Value"), !value());
  if (type == 2) storeValue(indexOf("Value"), true);
  rt::raiseEvent(*this, event::kBevelButtonAction);
  receivers_.notify(*this);
}

std::size_t BevelButton::checkedRow(std::int32_t row, std::size_t limit) const {
  if (row < 0 || static_cast<std::size_t>(row) >= limit) {
    rt::raiseRuntimeException(rt::String("BevelButton row " + std::to_string(row) + " is outside 0 to " +
                                         std::to_string(static_cast<long long>(limit) - 1)));
  }
  return static_cast<std::size_t>(row);
}

void BevelButton::deleteAllRows() {
  if (rows_.empty()) return;
  rows_.clear();
  notifyChildren();
}

void BevelButton::addRow(const rt::String& row) {
  rows_.push_back(row);
  notifyChildren();
}

void BevelButton::addSeparator() { addRow("-"); }

void BevelButton::removeRow(std::int32_t row) {
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(checkedRow(row, rows_.size())));
  notifyChildren();
}

void BevelButton::insertRow(std::int32_t row, const rt::String& text) {
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(checkedRow(row, rows_.size() + 1)), text);
  notifyChildren();
}

rt::String BevelButton::list(std::int32_t row) { return rows_[checkedRow(row, rows_.size())]; }

void BevelButton::setList(std::int32_t row, const rt::String& text) {
  rt::String& at = rows_[checkedRow(row, rows_.size())];
  if (at == text) return;
  at = text;
  notifyChildren();
}

void BevelButton::addActionNotificationReceiver(rt::Object* receiver) {
  receivers_.add(receiver, "BevelButton.addActionNotificationReceiver");
}

void BevelButton::removeActionNotificationReceiver(rt::Object* receiver) { receivers_.remove(receiver); }

// --- Timer -----------------------------------------------------------------------

std::int32_t Timer::mode() const { return int32Property("Mode"); }
std::int32_t Timer::period() const { return int32Property("Period"); }
bool Timer::enabled() const { return boolProperty("Enabled"); }

void Timer::fire() {
  if (!enabled() || mode() == 0) return;
  // A single-shot timer is off before its handler runs, so the handler may
  // start it again.
  if (mode() == 1) storeValue(indexOf("Mode"), std::int32_t{0});
  callAction();
}

void Timer::reset() { elapsed_ = 0; }

void Timer::elapse(std::int32_t ms) {
  if (ms < 0) rt::raiseRuntimeException(rt::String("Timer: time does not run backwards"));
  rt::Ref<Timer> keep = rt::Ref<Timer>::retain(this);
  // A stopped timer, or one without a period, does not count time.
  if (!enabled() || mode() == 0 || period() <= 0) return;
  elapsed_ += ms;
  while (enabled() && mode() != 0 && period() > 0 && elapsed_ >= period()) {
    elapsed_ -= period();
    fire();
  }
}

void Timer::addActionNotificationReceiver(rt::Object* receiver) {
  receivers_.add(receiver, "Timer.addActionNotificationReceiver");
}

void Timer::removeActionNotificationReceiver(rt::Object* receiver) { receivers_.remove(receiver); }

void Timer::callAction() {
  rt::Ref<Timer> keep = rt::Ref<Timer>::retain(this);
  rt::raiseEvent(*this, event::kTimerAction);
  receivers_.notify(*this);
}

}  // namespace ui
