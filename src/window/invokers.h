// The introspection invokers: what the framework's introspection calls to
// run a method through its method-info entry. There is one invoker per
// signature text, shared by every entry of any class with that signature
// (the framework names them "Introspection.Invoke" followed by the text).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/class_record.h"

namespace introspection {

// The invoker of that signature text. A text that no invoker serves throws
// std::logic_error naming it: a class description that asks for one is
// wrong, and is found when its record is built.
rt::Invoker invokerFor(std::string_view signature);

// Every signature text that has an invoker, in a fixed order.
const std::vector<std::string>& signatures();

}  // namespace introspection
