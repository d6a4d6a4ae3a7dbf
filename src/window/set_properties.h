// Applying a property block to the window or to one of its controls.
#pragma once

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace window1 {

// Hands the object and the block unchanged to the framework's block reader:
// when it returns, every property the block names has the block's value.
// A nil object or a malformed block raises the reader's exception.
void _SetProperties(rt::Object* obj, const rt::String& block);

}  // namespace window1
