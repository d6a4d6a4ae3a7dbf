#include "app/pokorindo.h"

#include "platform/ui/classes.h"
#include "window/invokers.h"

namespace app {

namespace {

const rt::ClassRecord* gRecord = nullptr;

const rt::ClassRecord* applicationSuper() { return &ui::ApplicationClass(); }

}  // namespace

void PoKoRindoConstructor(rt::Object& /*self*/) {}

void buildPoKoRindoClass() {
  if (gRecord) return;
  const rt::MethodSlot constructor = rt::makeSlot("PoKoRindo.Constructor", "%%", &PoKoRindoConstructor);
  rt::ClassSpec desc;
  desc.name = "PoKoRindo";
  desc.superLookup = applicationSuper;
  // No class attribute at all, unlike the program's other classes.
  desc.counts = {.methodInfo = 48, .interfaces = 0, .events = 10, .fifth = 0, .properties = 19, .classAttributes = 0};
  desc.slotCount = 18;
  desc.slots = {{kPoKoRindoConstructorSlot, constructor}};
  desc.methodInfo = {
      {.name = "Constructor", .signature = "%%", .function = constructor, .invoker = introspection::invokerFor("%%")}};
  rt::buildClass(gRecord, desc);
}

const rt::ClassRecord& PoKoRindoClass() {
  if (!gRecord) buildPoKoRindoClass();
  return *gRecord;
}

}  // namespace app
