// Menus as models: items with a name, a text, a shortcut and children. A
// menu bar is an item whose children are the top-level menus. A menu holds
// its children; a child knows its menu only weakly.
#pragma once

#include <vector>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/runtime/value.h"
#include "platform/ui/model.h"

namespace ui {

class MenuItem : public Model {
 public:
  explicit MenuItem(const rt::ClassRecord& cls);

  // MenuItem.Constructor: the default construction (RuntimeMenuItemDefaultConstructor):
  // every property back to its initial value (enabled, visible, no text, no
  // shortcut, AutoEnable off).
  void construct();
  bool constructed() const { return constructed_; }

  rt::String name() const;
  void setName(const rt::String& n);
  rt::String text() const;
  void setText(const rt::String& t);  // "-" makes a separator
  rt::String keyboardShortcut() const;
  void setKeyboardShortcut(const rt::String& s);
  bool autoEnable() const;
  void setAutoEnable(bool on);
  bool enabled() const;
  void setEnabled(bool on);
  bool isSeparator() const { return text().bytes() == "-"; }
  // The value given to the (String, Variant) constructor.
  const rt::Value& tag() const;

  // Nil raises NilObjectException; appending an item to itself or below
  // itself raises RuntimeException. An item in another menu moves.
  void append(MenuItem* item);
  std::size_t count() const { return children_.size(); }
  rt::Ref<MenuItem> item(std::size_t i) const;
  // The direct child of that name, or nil.
  rt::Ref<MenuItem> child(const rt::String& name) const;
  // The item of that name at any depth below this one, depth first, or nil.
  rt::Ref<MenuItem> lookup(const rt::String& name) const;
  const std::vector<rt::Ref<MenuItem>>& children() const { return children_; }
  // The menu that holds this item, or nil.
  rt::Ref<MenuItem> parent() const { return parent_.lock(); }

  // The user chose the item: raises its Action event (0). A disabled item
  // cannot be chosen.
  void choose();

  // --- the method table's members (slots 0 to 22) ------------------------
  void enable();
  void close();  // leaves its menu
  rt::Ref<rt::Object> itemSlot(std::int32_t i);
  std::int32_t countSlot();
  rt::Ref<rt::Object> childSlot(const rt::String& name);
  void appendSlot(rt::Object* item);
  void insert(std::int32_t at, rt::Object* item);
  void removeAt(std::int32_t at);
  void removeItem(rt::Object* item);
  void removeNamed(const rt::String& name);
  rt::Ref<rt::Object> lookupSlot(const rt::String& name);
  rt::Ref<rt::Object> lookupIndexed(const rt::String& name, std::int32_t index);
  void constructSlot() { construct(); }
  void constructWithText(const rt::String& text, const rt::Value& tag);
  // Headless there is no one to pick from a pop-up: nothing is chosen.
  rt::Ref<rt::Object> popUp();
  rt::Ref<rt::Object> popUpAt(std::int32_t x, std::int32_t y);
  void swap(const rt::String& name, rt::Object* replacement);
  void disableEntirely();
  void selfEnable();
  rt::Ref<rt::Object> clone();
  void constructFrom(rt::Object* original);

 private:
  MenuItem& checkedItem(rt::Object* item, const char* member);
  void attach(std::size_t at, MenuItem& item);
  void detach(std::size_t at);
  void updateCount();
  void copyFrom(const MenuItem& original);
  std::vector<rt::Ref<MenuItem>> children_;
  rt::WeakRef<MenuItem> parent_;
  bool constructed_ = false;
};

class MenuBar : public MenuItem {
 public:
  using MenuItem::MenuItem;
  // MenuBar._InstallClone: appends a copy of the item.
  void installClone(rt::Object* item);
};

// Its Action quits the application's run loop.
class QuitMenuItem : public MenuItem {
 public:
  using MenuItem::MenuItem;
  // QuitMenuItem.Event_Action, bound to event 0 in the class's record.
  void eventAction();
};

}  // namespace ui
