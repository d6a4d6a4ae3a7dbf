#include "window/set_properties.h"

#include "platform/ui/blocks/property_block.h"

namespace window1 {

void _SetProperties(rt::Object* obj, const rt::String& block) { ui::RuntimeMassPropertySetter(obj, block); }

}  // namespace window1
