// Window1's menu-item accessors: one method per item of the menu bar, each
// looking the item up by name, at any depth, in the window's menu bar.
#pragma once

#include <array>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "window/accessors.h"

namespace window1 {

// Slot forms: the receiver is the window. A window without a menu bar raises
// NilObjectException; otherwise the result is the checked cast of what the
// lookup found, returned untested (nil for an item that is not there).
rt::Ref<rt::Object> EditMenu(rt::Object& self);
rt::Ref<rt::Object> EditSelectAll(rt::Object& self);
rt::Ref<rt::Object> UntitledMenu0(rt::Object& self);
rt::Ref<rt::Object> EditClear(rt::Object& self);
rt::Ref<rt::Object> EditPaste(rt::Object& self);
rt::Ref<rt::Object> EditCopy(rt::Object& self);
rt::Ref<rt::Object> EditCut(rt::Object& self);
rt::Ref<rt::Object> UntitledMenu1(rt::Object& self);
rt::Ref<rt::Object> EditUndo(rt::Object& self);
rt::Ref<rt::Object> FileMenu(rt::Object& self);
rt::Ref<rt::Object> FileQuit(rt::Object& self);

// The one body behind them.
rt::Ref<rt::Object> menuItemByName(rt::Object* window, const rt::String& name, const rt::ClassRecord& resultClass);

inline constexpr const char* kMenuItemAccessorSig = "%o<MenuItem>%";
inline constexpr const char* kQuitMenuItemAccessorSig = "%o<QuitMenuItem>%";

// The eleven accessors as Window1's class record lists them (slots 67 to 77).
extern const std::array<AccessorEntry, 11> kMenuAccessors;

}  // namespace window1
