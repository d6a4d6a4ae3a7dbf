// The application class, "PoKoRindo": its record (built once, on first use
// or by class initialisation). Its one own member is an empty constructor.
#pragma once

#include <cstddef>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"

namespace app {

// The record, built on first use.
const rt::ClassRecord& PoKoRindoClass();
// Builds the record unless it exists.
void buildPoKoRindoClass();

// Slot 17 of the application's method table.
inline constexpr std::size_t kPoKoRindoConstructorSlot = 17;
// Does nothing; in particular it leaves the application's own construction
// alone.
void PoKoRindoConstructor(rt::Object& self);

}  // namespace app
