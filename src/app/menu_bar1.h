// The program's menu bar class and its one implicit instance, shared by the
// application and the game window.
#pragma once

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"

namespace app {

const rt::ClassRecord& MenuBar1Class();
void buildMenuBar1Class();
// The implicit instance, made and filled on first use; one reference for the caller.
rt::Ref<rt::Object> MenuBar1Instance();
// Module finalisation: clears the implicit instance, then releases it.
void MenuBar1ImplicitInstanceExit();

}  // namespace app
