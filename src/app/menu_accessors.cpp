#include "app/menu_accessors.h"

#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/slots.h"

namespace window1 {

rt::Ref<rt::Object> menuItemByName(rt::Object* window, const rt::String& name, const rt::ClassRecord& resultClass) {
  const rt::Ref<rt::Object> self = rt::Ref<rt::Object>::retain(window);
  const rt::Ref<rt::Object> bar = ui::Window_MenuBar_Get(self.get(), 0);
  if (!bar) rt::RaiseNilObjectException();
  const rt::Ref<rt::Object> item = rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(
      *bar, ui::slot::kMenuItemLookup, ui::slot::kMenuItemLookupSig, name);
  return rt::RuntimeCheckCast(item.get(), resultClass);
}

// Each accessor's lookup key, made once, equals the accessor's own name.

rt::Ref<rt::Object> EditMenu(rt::Object& self) {
  static const rt::String name("EditMenu");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditSelectAll(rt::Object& self) {
  static const rt::String name("EditSelectAll");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> UntitledMenu0(rt::Object& self) {
  static const rt::String name("UntitledMenu0");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditClear(rt::Object& self) {
  static const rt::String name("EditClear");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditPaste(rt::Object& self) {
  static const rt::String name("EditPaste");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditCopy(rt::Object& self) {
  static const rt::String name("EditCopy");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditCut(rt::Object& self) {
  static const rt::String name("EditCut");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> UntitledMenu1(rt::Object& self) {
  static const rt::String name("UntitledMenu1");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> EditUndo(rt::Object& self) {
  static const rt::String name("EditUndo");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> FileMenu(rt::Object& self) {
  static const rt::String name("FileMenu");
  return menuItemByName(&self, name, ui::MenuItemClass());
}

rt::Ref<rt::Object> FileQuit(rt::Object& self) {
  static const rt::String name("FileQuit");
  return menuItemByName(&self, name, ui::QuitMenuItemClass());
}

namespace {
rt::MethodSlot entry(const char* name, const char* signature, rt::Ref<rt::Object> (*fn)(rt::Object&)) {
  return rt::makeSlot(std::string("Window1.") + name, signature, fn);
}
}  // namespace

// In slot order: the Edit menu, its entries from the last back to the first,
// then the File menu and its quit item.
const std::array<AccessorEntry, 11> kMenuAccessors = {{
    {67, "EditMenu", kMenuItemAccessorSig, [] { return entry("EditMenu", kMenuItemAccessorSig, &EditMenu); }},
    {68, "EditSelectAll", kMenuItemAccessorSig,
     [] { return entry("EditSelectAll", kMenuItemAccessorSig, &EditSelectAll); }},
    {69, "UntitledMenu0", kMenuItemAccessorSig,
     [] { return entry("UntitledMenu0", kMenuItemAccessorSig, &UntitledMenu0); }},
    {70, "EditClear", kMenuItemAccessorSig, [] { return entry("EditClear", kMenuItemAccessorSig, &EditClear); }},
    {71, "EditPaste", kMenuItemAccessorSig, [] { return entry("EditPaste", kMenuItemAccessorSig, &EditPaste); }},
    {72, "EditCopy", kMenuItemAccessorSig, [] { return entry("EditCopy", kMenuItemAccessorSig, &EditCopy); }},
    {73, "EditCut", kMenuItemAccessorSig, [] { return entry("EditCut", kMenuItemAccessorSig, &EditCut); }},
    {74, "UntitledMenu1", kMenuItemAccessorSig,
     [] { return entry("UntitledMenu1", kMenuItemAccessorSig, &UntitledMenu1); }},
    {75, "EditUndo", kMenuItemAccessorSig, [] { return entry("EditUndo", kMenuItemAccessorSig, &EditUndo); }},
    {76, "FileMenu", kMenuItemAccessorSig, [] { return entry("FileMenu", kMenuItemAccessorSig, &FileMenu); }},
    {77, "FileQuit", kQuitMenuItemAccessorSig, [] { return entry("FileQuit", kQuitMenuItemAccessorSig, &FileQuit); }},
}};

}  // namespace window1
