#include "platform/ui/menu.h"

#include <string>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/controls.h"

namespace ui {

MenuItem::MenuItem(const rt::ClassRecord& cls) : Model(cls) {}

void MenuItem::construct() {
  resetToDefaults();
  constructed_ = true;
}

rt::String MenuItem::name() const { return stringProperty("Name"); }
void MenuItem::setName(const rt::String& n) { storeValue(indexOf("Name"), n); }
rt::String MenuItem::text() const { return stringProperty("Text"); }
void MenuItem::setText(const rt::String& t) { storeValue(indexOf("Text"), t); }
rt::String MenuItem::keyboardShortcut() const { return stringProperty("KeyboardShortcut"); }
void MenuItem::setKeyboardShortcut(const rt::String& s) { storeValue(indexOf("KeyboardShortcut"), s); }
bool MenuItem::autoEnable() const { return boolProperty("AutoEnable"); }
void MenuItem::setAutoEnable(bool on) { storeValue(indexOf("AutoEnable"), on); }
bool MenuItem::enabled() const { return boolProperty("Enabled"); }
void MenuItem::setEnabled(bool on) { storeValue(indexOf("Enabled"), on); }
const rt::Value& MenuItem::tag() const { return storedValue(indexOf("Tag")); }

MenuItem& MenuItem::checkedItem(rt::Object* item, const char* member) {
  if (!item) rt::RaiseNilObjectException(rt::String(std::string(member) + " was given nil"));
  auto* m = dynamic_cast<MenuItem*>(item);
  if (!m)
    rt::raiseRuntimeException(
        rt::String(std::string(member) + ": " + item->classRecord().name.str() + " is no MenuItem"));
  for (rt::Ref<MenuItem> p = rt::Ref<MenuItem>::retain(this); p; p = p->parent()) {
    if (p.get() == m) rt::raiseRuntimeException(rt::String(std::string(member) + ": a menu cannot hold itself"));
  }
  return *m;
}

void MenuItem::attach(std::size_t at, MenuItem& item) {
  rt::Ref<MenuItem> keep = rt::Ref<MenuItem>::retain(&item);
  if (rt::Ref<MenuItem> old = item.parent()) old->removeItem(&item);
  if (at > children_.size()) at = children_.size();
  children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at), keep);
  item.parent_ = rt::WeakRef<MenuItem>(this);
  updateCount();
  notifyChildren();
}

void MenuItem::detach(std::size_t at) {
  rt::Ref<MenuItem> gone = children_[at];
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(at));
  gone->parent_ = rt::WeakRef<MenuItem>();
  updateCount();
  notifyChildren();
}

void MenuItem::updateCount() { storeValue(indexOf("Count"), static_cast<std::int32_t>(children_.size())); }

void MenuItem::append(MenuItem* item) { attach(children_.size(), checkedItem(item, "MenuItem.Append")); }

rt::Ref<MenuItem> MenuItem::item(std::size_t i) const { return i < children_.size() ? children_[i] : nullptr; }

rt::Ref<MenuItem> MenuItem::child(const rt::String& name) const {
  for (const auto& c : children_) {
    if (c->name() == name) return c;
  }
  return nullptr;
}

rt::Ref<MenuItem> MenuItem::lookup(const rt::String& name) const {
  for (const auto& c : children_) {
    if (c->name() == name) return c;
    if (rt::Ref<MenuItem> below = c->lookup(name)) return below;
  }
  return nullptr;
}

void MenuItem::choose() {
  if (!enabled()) return;
  rt::raiseEvent(*this, event::kMenuItemAction);
}

// --- the method table's members ---------------------------------------------

void MenuItem::enable() { setEnabled(true); }

void MenuItem::close() {
  if (rt::Ref<MenuItem> p = parent()) p->removeItem(this);
}

rt::Ref<rt::Object> MenuItem::itemSlot(std::int32_t i) {
  if (i < 0) return nullptr;
  return item(static_cast<std::size_t>(i));
}

std::int32_t MenuItem::countSlot() { return static_cast<std::int32_t>(children_.size()); }

rt::Ref<rt::Object> MenuItem::childSlot(const rt::String& name) { return child(name); }

void MenuItem::appendSlot(rt::Object* item) { attach(children_.size(), checkedItem(item, "MenuItem.Append")); }

void MenuItem::insert(std::int32_t at, rt::Object* item) {
  MenuItem& m = checkedItem(item, "MenuItem.Insert");
  if (at < 0 || static_cast<std::size_t>(at) > children_.size()) {
    rt::raiseRuntimeException(rt::String("MenuItem.Insert: position " + std::to_string(at) + " is outside 0 to " +
                                         std::to_string(children_.size())));
  }
  attach(static_cast<std::size_t>(at), m);
}

void MenuItem::removeAt(std::int32_t at) {
  if (at < 0 || static_cast<std::size_t>(at) >= children_.size()) {
    rt::raiseRuntimeException(rt::String("MenuItem.Remove: position " + std::to_string(at) + " holds no item"));
  }
  detach(static_cast<std::size_t>(at));
}

void MenuItem::removeItem(rt::Object* item) {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i].get() == item) {
      detach(i);
      return;
    }
  }
}

void MenuItem::removeNamed(const rt::String& name) {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i]->name() == name) {
      detach(i);
      return;
    }
  }
}

rt::Ref<rt::Object> MenuItem::lookupSlot(const rt::String& name) { return lookup(name); }

rt::Ref<rt::Object> MenuItem::lookupIndexed(const rt::String& name, std::int32_t index) {
  for (const auto& c : children_) {
    if (c->name() == name && rt::VariantToInt32(c->property("Index")) == index) return c;
    if (rt::Ref<rt::Object> below = c->lookupIndexed(name, index)) return below;
  }
  return nullptr;
}

void MenuItem::constructWithText(const rt::String& text, const rt::Value& tag) {
  construct();
  setText(text);
  storeValue(indexOf("Tag"), tag);
}

rt::Ref<rt::Object> MenuItem::popUp() { return nullptr; }
rt::Ref<rt::Object> MenuItem::popUpAt(std::int32_t, std::int32_t) { return nullptr; }

void MenuItem::swap(const rt::String& name, rt::Object* replacement) {
  MenuItem& m = checkedItem(replacement, "MenuItem._Swap");
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i]->name() == name) {
      detach(i);
      attach(i, m);
      return;
    }
  }
  rt::raiseRuntimeException(rt::String("MenuItem._Swap: no item named " + name.str()));
}

void MenuItem::disableEntirely() {
  setEnabled(false);
  for (const auto& c : children_) c->disableEntirely();
}

void MenuItem::selfEnable() {
  if (autoEnable()) setEnabled(true);
  rt::raiseEvent(*this, event::kMenuItemEnableMenu);
}

void MenuItem::copyFrom(const MenuItem& original) {
  const auto& props = original.classRecord().properties;
  for (std::size_t i = 0; i < props.size(); ++i) {
    // Read-only values (Count) follow from the children copied below.
    if (props[i].getter != &modelGetValue || !props[i].setter) continue;
    storeValue(static_cast<std::uint32_t>(i), original.storedValue(static_cast<std::uint32_t>(i)));
  }
  constructed_ = original.constructed_;
  for (const auto& c : original.children_) {
    rt::Ref<rt::Object> copy = c->clone();
    attach(children_.size(), static_cast<MenuItem&>(*copy));
  }
}

rt::Ref<rt::Object> MenuItem::clone() {
  rt::Ref<rt::Object> copy = rt::RuntimeNewObject(classRecord());
  static_cast<MenuItem&>(*copy).copyFrom(*this);
  return copy;
}

void MenuItem::constructFrom(rt::Object* original) {
  if (!original) rt::RaiseNilObjectException(rt::String("MenuItem.Constructor was given nil"));
  auto* m = dynamic_cast<MenuItem*>(original);
  if (!m)
    rt::raiseRuntimeException(
        rt::String("MenuItem.Constructor: " + original->classRecord().name.str() + " is no MenuItem"));
  construct();
  copyFrom(*m);
}

void MenuBar::installClone(rt::Object* item) {
  if (!item) rt::RaiseNilObjectException(rt::String("MenuBar._InstallClone was given nil"));
  auto* m = dynamic_cast<MenuItem*>(item);
  if (!m)
    rt::raiseRuntimeException(
        rt::String("MenuBar._InstallClone: " + item->classRecord().name.str() + " is no MenuItem"));
  rt::Ref<rt::Object> copy = m->clone();
  append(static_cast<MenuItem*>(copy.get()));
}

void QuitMenuItem::eventAction() { rt::RuntimeQuit(); }

}  // namespace ui
