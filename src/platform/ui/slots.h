// Slots of framework method tables that program code calls, with the
// signature text each holds. Type codes: "i4" Int32, "b" Boolean, "s" String,
// "d" Double, "f" Single, "p" pointer, "o<Class>" object. In C++ a slot
// function takes the receiver as rt::Object&, an object parameter as
// rt::Object*, a String as const rt::String&, and returns an object as
// rt::Ref<rt::Object> (one reference for the caller).
#pragma once

#include <cstddef>

namespace ui::slot {

// Window (51 slots).
inline constexpr std::size_t kWindowAddControl = 17;  // void(const rt::String& name, rt::Object* control)
inline constexpr const char* kWindowAddControlSig = "%%so<Control>";
inline constexpr std::size_t kWindowNew = 21;  // rt::Ref<rt::Object>(const rt::ClassRecord* cls)
inline constexpr const char* kWindowNewSig = "%o<Control>%p";
inline constexpr std::size_t kWindowConstructor = 44;  // void()
inline constexpr const char* kWindowConstructorSig = "%%";
inline constexpr std::size_t kWindowControlByName = 48;  // rt::Ref<rt::Object>(const rt::String& name)
inline constexpr const char* kWindowControlByNameSig = "%o<Control>%s";
inline constexpr std::size_t kWindowControlByNameIndex = 49;  // rt::Ref<rt::Object>(const rt::String&, std::int32_t)
inline constexpr const char* kWindowControlByNameIndexSig = "%o<Control>%si4";

// RectControl and its subclasses.
inline constexpr std::size_t kRectControlConstructor = 13;  // void()
inline constexpr const char* kRectControlConstructorSig = "%%";

// Timer (4 slots): 0 Reset, 1 addActionNotificationReceiver,
// 2 removeActionNotificationReceiver, 3 _CallAction.
inline constexpr std::size_t kTimerCallAction = 3;

// MenuItem and MenuBar.
inline constexpr std::size_t kMenuItemChild = 4;  // rt::Ref<rt::Object>(const rt::String& name)
inline constexpr const char* kMenuItemChildSig = "%o<MenuItem>%s";
inline constexpr std::size_t kMenuItemAppend = 5;  // void(rt::Object* item)
inline constexpr const char* kMenuItemAppendSig = "%%o<MenuItem>";
inline constexpr std::size_t kMenuItemLookup = 10;  // rt::Ref<rt::Object>(const rt::String& name)
inline constexpr const char* kMenuItemLookupSig = "%o<MenuItem>%s";
inline constexpr std::size_t kMenuItemConstructor = 20;  // void()
inline constexpr const char* kMenuItemConstructorSig = "%%";

}  // namespace ui::slot
