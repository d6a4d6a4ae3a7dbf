// The game window's class, "Window1.Window1": its record (built once, on
// first use or by class initialisation) and its one implicit instance.
#pragma once

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"

namespace window1 {

// The record, built on first use.
const rt::ClassRecord& Window1Class();
// Builds the record unless it exists.
void buildWindow1Class();
// The open Window1, made and opened on first use; one reference for the caller.
rt::Ref<rt::Object> Window1Instance();

}  // namespace window1
