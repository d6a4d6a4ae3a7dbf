// Window1's construction hooks: the menu bar and settings (Layout), and the
// nineteen controls (CreateControls and _CreateControls0).
#pragma once

#include "platform/runtime/object.h"

namespace window1 {

void Layout(rt::Object& self);
void CreateControls(rt::Object& self);
void _CreateControls0(rt::Object& self);

}  // namespace window1
