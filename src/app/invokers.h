// The introspection invokers: what the framework calls to run a method
// through its method-info entry. There is one invoker per signature text,
// shared by every entry of every class with that signature.
#pragma once

#include <string_view>

#include "platform/runtime/class_record.h"

namespace app {

// The invoker for the signature text ("Introspection.Invoke" followed by
// the text). Every invoker raises NilObjectException for a nil receiver and,
// for a method with a parameter, for a nil argument list. A text the program
// has no invoker for throws std::logic_error naming it: that is a mistake in
// a class description, found when the record is built.
rt::Invoker invokerFor(std::string_view signature);

}  // namespace app
