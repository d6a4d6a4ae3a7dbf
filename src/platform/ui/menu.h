// Menus as models: items with a name, a text, a shortcut and children. A
// menu bar is an item whose children are the top-level menus.
#pragma once

#include <vector>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/ui/model.h"

namespace ui {

class MenuItem : public Model {
 public:
  explicit MenuItem(const rt::ClassRecord& cls);

  // MenuItem.Constructor: the default construction (RuntimeMenuItemDefaultConstructor).
  void construct();

  rt::String name() const;
  void setName(const rt::String& n);
  rt::String text() const;
  void setText(const rt::String& t);  // "-" makes a separator
  rt::String keyboardShortcut() const;
  void setKeyboardShortcut(const rt::String& s);
  bool autoEnable() const;
  void setAutoEnable(bool on);
  bool enabled() const;
  bool isSeparator() const { return text().bytes() == "-"; }

  void append(MenuItem* item);
  std::size_t count() const { return children_.size(); }
  rt::Ref<MenuItem> item(std::size_t i) const;
  // The direct child of that name, or nil.
  rt::Ref<MenuItem> child(const rt::String& name) const;
  // The item of that name at any depth below this one, or nil.
  rt::Ref<MenuItem> lookup(const rt::String& name) const;
  const std::vector<rt::Ref<MenuItem>>& children() const { return children_; }

  // The user chose the item: raises its Action event (0).
  void choose();

 private:
  std::vector<rt::Ref<MenuItem>> children_;
};

class MenuBar : public MenuItem {
 public:
  using MenuItem::MenuItem;
};

// Its Action quits the application's run loop.
class QuitMenuItem : public MenuItem {
 public:
  using MenuItem::MenuItem;
};

}  // namespace ui
