// Window1's construction hooks: the menu bar and settings (Layout), and the
// nineteen controls (CreateControls and _CreateControls0).
#pragma once

#include <cstddef>

#include "platform/runtime/events.h"
#include "platform/runtime/object.h"

namespace window1 {

void Layout(rt::Object& self);
void CreateControls(rt::Object& self);
void _CreateControls0(rt::Object& self);

// Slots of Window1's method table that the hooks call or read.
inline constexpr std::size_t kCreateControls0Slot = 53;  // "%%"
inline constexpr std::size_t kStartButtonActionSlot = 64;
inline constexpr std::size_t kFudaButtonActionSlot = 65;
inline constexpr std::size_t kTokutenButtonOpenSlot = 66;
// The signature of the three handlers, each taking the button as sender.
inline constexpr const char* kButtonHandlerSig = "%%o<BevelButton>";

// Hooks one event of one control to the window's handler in `handlerSlot`,
// read from the window's method table now: a delegate that holds the window
// weakly, attached with the event's stub. The control keeps the delegate;
// the caller gets one reference to it too. A nil control, like a delegate
// that cannot be made, raises NilObjectException; a slot that holds no
// handler of that signature raises a RuntimeException naming the class and
// the slot.
rt::Ref<rt::Delegate> attachWindowHandler(rt::Object* control, rt::Object& window, std::size_t event,
                                          rt::EventStub stub, std::size_t handlerSlot);

}  // namespace window1
