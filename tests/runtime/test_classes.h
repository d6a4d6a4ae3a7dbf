// Small classes built from declarative descriptions, for runtime tests.
#pragma once

#include <string>

#include "platform/runtime/class_record.h"
#include "platform/runtime/fields.h"

namespace rt::testing {

class Thing : public Object {
 public:
  using Object::Object;
  int calls = 0;
  std::int32_t add(std::int32_t a, std::int32_t b) {
    ++calls;
    return a + b;
  }
  void poke() { ++calls; }
};

inline Object* makeThing(const ClassRecord& cls) { return new Thing(cls); }

// Root class "Thing": two slots (0 add "%i4%i4i4", 1 poke "%%"), one event
// "Poked", one stored Int32 property "Count" in its own fields.
inline const ClassRecord& ThingClass() {
  static const ClassRecord* cache = nullptr;
  if (!cache) {
    ClassSpec desc;
    desc.name = "Thing";
    desc.counts = {.methodInfo = 1, .events = 1, .properties = 1};
    desc.ownFieldBytes = 4;
    desc.slotCount = 2;
    desc.slots = {{0, memberSlot<&Thing::add>("Thing.add", "%i4%i4i4")},
                  {1, memberSlot<&Thing::poke>("Thing.poke", "%%")}};
    desc.methodInfo = {MethodInfoDecl{.name = "add", .signature = "%i4%i4i4"}};
    desc.ownEvents = {"Poked"};
    desc.properties = {PropertyDecl{.name = "Count",
                                    .type = "i4",
                                    .storage = 0,
                                    .getter = Int32_GetValue,
                                    .setter = Int32_SetValue,
                                    .fieldStorage = true}};
    desc.factory = makeThing;
    buildClass(cache, desc);
  }
  return *cache;
}

inline void subPoke(Object& self) { receiverAs<Thing>(self, "SubThing.poke").calls += 100; }

// "SubThing": overrides slot 1, appends slot 2, binds event 0 at class
// level, adds a property behind the inherited one.
inline const ClassRecord& SubThingClass() {
  static const ClassRecord* cache = nullptr;
  if (!cache) {
    ClassSpec desc;
    desc.name = "SubThing";
    desc.superLookup = [] { return &ThingClass(); };
    desc.counts = {.methodInfo = 2, .events = 1, .properties = 2, .classAttributes = 1};
    desc.ownFieldBytes = 4;
    desc.slotCount = 3;
    desc.slots = {{1, makeSlot("SubThing.poke", "%%", &subPoke)}, {2, makeSlot("SubThing.poke2", "%%", &subPoke)}};
    desc.methodInfo = {MethodInfoDecl{.name = "poke2", .signature = "%%", .hidden = true}};
    desc.boundEvents = {{0, makeSlot("SubThing.onPoked", "%%", &subPoke)}};
    desc.properties = {PropertyDecl{.name = "Extra",
                                    .type = "i4",
                                    .storage = 0,
                                    .getter = Int32_GetValue,
                                    .setter = Int32_SetValue,
                                    .fieldStorage = true}};
    desc.classAttributes = {{"__Scope", "Private"}};
    buildClass(cache, desc);
  }
  return *cache;
}

inline Ref<Thing> newThing(const ClassRecord& cls = ThingClass()) {
  Ref<Object> o = RuntimeNewObject(cls);
  return Ref<Thing>::adopt(static_cast<Thing*>(o.release()));
}

}  // namespace rt::testing
