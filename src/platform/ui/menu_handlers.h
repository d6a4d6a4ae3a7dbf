// The menu handlers that _AddMenuHandler adds to an application, a window or
// a control, by command name.
#pragma once

#include <utility>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/string.h"

namespace ui {

class MenuHandlers {
 public:
  // Keeps a copy of the handler: the caller's slot need not outlive the call.
  // Nil raises a NilObjectException naming `function`.
  void add(const rt::String& name, const rt::MethodSlot* handler, const char* function);
  // Runs the first handler added under the command's name ("%b%") on the
  // receiver and gives its answer; false when there is none.
  bool handle(rt::Object& receiver, const rt::String& command) const;

 private:
  std::vector<std::pair<rt::String, rt::MethodSlot>> entries_;
};

}  // namespace ui
