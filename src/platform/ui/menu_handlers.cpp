#include "platform/ui/menu_handlers.h"

#include <string>

#include "platform/runtime/exceptions.h"

namespace ui {

void MenuHandlers::add(const rt::String& name, const rt::MethodSlot* handler, const char* function) {
  if (!handler) rt::RaiseNilObjectException(rt::String(std::string(function) + " was given no handler"));
  entries_.emplace_back(name, *handler);
}

bool MenuHandlers::handle(rt::Object& receiver, const rt::String& command) const {
  for (const auto& [name, handler] : entries_) {
    if (name != command) continue;
    // A copy: the handler may add handlers, and so move the list.
    const rt::MethodSlot slot = handler;
    return rt::callFn<bool()>(slot, "%b%", receiver);
  }
  return false;
}

}  // namespace ui
