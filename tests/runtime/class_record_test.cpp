#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/runtime/class_record.h"
#include "test_classes.h"

namespace rt::testing {
namespace {

TEST(ClassRecord, SubclassInheritsSlotsAndEntriesAndAddsItsOwnBehind) {
  const ClassRecord& sub = SubThingClass();
  EXPECT_EQ(sub.superclass, &ThingClass());
  EXPECT_EQ(sub.name.str(), "SubThing");
  EXPECT_EQ(sub.instanceSize, 8u);
  ASSERT_EQ(sub.vtable.size(), 3u);
  EXPECT_EQ(sub.vtable[0].member, "Thing.add");  // inherited unchanged
  EXPECT_EQ(sub.vtable[1].member, "SubThing.poke");  // overridden
  EXPECT_EQ(sub.vtable[2].member, "SubThing.poke2");  // appended
  ASSERT_EQ(sub.methodInfo.size(), 2u);
  EXPECT_EQ(sub.methodInfo[0].name.str(), "add");
  EXPECT_EQ(sub.methodInfo[1].name.str(), "poke2");
  EXPECT_EQ(sub.properties[1].storage, 4u);  // behind Thing's own field
  EXPECT_EQ(sub.events[0].name.str(), "Poked");
  EXPECT_TRUE(sub.events[0].handler);
  EXPECT_FALSE(ThingClass().events[0].handler);
}

TEST(ClassRecord, MemberAttributesCarryScopeThenHidden) {
  const MethodInfo& hidden = SubThingClass().methodInfo[1];
  ASSERT_EQ(hidden.attributes.size(), 2u);
  EXPECT_EQ(hidden.attributes[0].name.str(), "__Scope");
  EXPECT_EQ(hidden.attributes[0].value.str(), "Public");
  EXPECT_TRUE(hidden.attributes[0].hasValue);
  EXPECT_EQ(hidden.attributes[1].name.str(), "Hidden");
  EXPECT_FALSE(hidden.attributes[1].hasValue);
  ASSERT_EQ(SubThingClass().classAttributes.size(), 1u);
  EXPECT_EQ(SubThingClass().classAttributes[0].value.str(), "Private");
  EXPECT_EQ(ThingClass().methodInfo[0].attributes.size(), 1u);
}

TEST(Introspection, HiddenMembersAreLeftOutAndConstructorsToldApart) {
  std::vector<std::string> names;
  for (const IntrospectedMethod& m : introspectMethods(SubThingClass())) names.push_back(m.info->name.str());
  EXPECT_EQ(names, (std::vector<std::string>{"add"}));  // poke2 carries "Hidden"
  EXPECT_EQ(introspectProperties(SubThingClass()).size(), 2u);
}

TEST(ClassRecord, LookupByNameFindsBuiltRecordsOnly) {
  EXPECT_EQ(RuntimeLookupClass("SubThing"), &SubThingClass());
  EXPECT_EQ(RuntimeLookupClass("NoSuchClass"), nullptr);
}

TEST(ClassRecord, BuildingTwiceKeepsTheFirstRecord) {
  const ClassRecord* cache = &ThingClass();
  ClassSpec desc;
  desc.name = "Thing";
  EXPECT_EQ(&buildClass(cache, desc), &ThingClass());
}

TEST(ClassRecord, PropertyLookupIgnoresLetterCase) {
  EXPECT_EQ(SubThingClass().propertyIndex("extra"), 1);
  EXPECT_EQ(SubThingClass().propertyIndex("COUNT"), 0);
  EXPECT_EQ(SubThingClass().findProperty("Nope"), nullptr);
}

struct BadDescription {
  const char* name;
  void (*tweak)(ClassSpec&);
  const char* messagePart;
};

ClassSpec goodDescriptionNamed(const std::string& name) {
  ClassSpec desc;
  desc.name = name;
  desc.superLookup = [] { return &ThingClass(); };
  desc.counts = {.methodInfo = 1, .events = 1, .properties = 1};
  desc.slotCount = 2;
  return desc;
}

TEST(ClassRecord, DescriptionsThatDoNotAddUpFailNamingTheClassAndLeaveNothingBehind) {
  const BadDescription cases[] = {
      {"BadSlots", [](ClassSpec& s) { s.slotCount = 1; }, "fewer slots"},
      {"EmptySlot", [](ClassSpec& s) { s.slotCount = 3; }, "slot 2 is left empty"},
      {"SlotBeyond", [](ClassSpec& s) { s.slots = {{5, makeSlot("x", "%%", &subPoke)}}; }, "beyond"},
      {"MethodCount", [](ClassSpec& s) { s.counts.methodInfo = 3; }, "method info"},
      {"EventCount", [](ClassSpec& s) { s.counts.events = 2; }, "events"},
      {"PropertyCount", [](ClassSpec& s) { s.counts.properties = 0; }, "properties"},
      {"AttributeCount", [](ClassSpec& s) { s.counts.classAttributes = 1; }, "class attributes"},
      {"BindsMissingEvent", [](ClassSpec& s) { s.boundEvents = {{4, makeSlot("x", "%%", &subPoke)}}; }, "event 4"},
  };
  for (const BadDescription& c : cases) {
    ClassSpec desc = goodDescriptionNamed(c.name);
    c.tweak(desc);
    const ClassRecord* cache = nullptr;
    for (int attempt = 1; attempt <= 2; ++attempt) {  // the second finds no half-built record
      try {
        buildClass(cache, desc);
        ADD_FAILURE() << c.name << " was accepted on attempt " << attempt;
      } catch (const std::logic_error& e) {
        const std::string msg = e.what();
        EXPECT_NE(msg.find(c.name), std::string::npos) << msg;
        EXPECT_NE(msg.find(c.messagePart), std::string::npos) << msg;
      }
      EXPECT_EQ(cache, nullptr) << c.name;
      EXPECT_EQ(RuntimeLookupClass(c.name), nullptr) << c.name;
    }
  }
}

// A class's members may need its own record while it is being built.
TEST(ClassRecord, TheRecordIsFoundWhileItIsStillBeingFilled) {
  static const ClassRecord* cache = nullptr;
  static const ClassRecord* seenInCache = nullptr;
  static const ClassRecord* seenByName = nullptr;
  ClassSpec desc;
  desc.name = "SelfReferring";
  desc.counts = {.interfaces = 1};
  desc.interfaces = {InterfaceDecl{.lookup = []() -> const ClassRecord& {
    seenInCache = cache;
    seenByName = RuntimeLookupClass("SelfReferring");
    return ThingClass();
  }}};
  const ClassRecord& built = buildClass(cache, desc);
  EXPECT_EQ(seenInCache, &built);
  EXPECT_EQ(seenByName, &built);
}

TEST(Slots, TypedCallsReachTheSlotFunction) {
  Ref<Thing> t = newThing(SubThingClass());
  EXPECT_EQ((callSlot<std::int32_t(std::int32_t, std::int32_t)>(*t, 0, "%i4%i4i4", 2, 3)), 5);
  callSlot<void()>(*t, 1, "%%");
  EXPECT_EQ(t->calls, 101);  // add counted once, the override added 100
}

TEST(Slots, AWrongSlotFailsLoudlyNamingClassAndSlot) {
  Ref<Thing> t = newThing(SubThingClass());
  struct Case {
    std::size_t slot;
    std::string signature;
    const char* messagePart;
  };
  const Case cases[] = {
      {1, "%i4%", "has another signature"},
      {7, "%%", "slot 7 is empty"},
  };
  for (const Case& c : cases) {
    try {
      callSlot<void()>(*t, c.slot, c.signature);
      ADD_FAILURE() << "slot " << c.slot << " was called";
    } catch (const Raised& r) {
      const std::string msg = r.what();
      EXPECT_NE(msg.find("SubThing slot"), std::string::npos) << msg;
      EXPECT_NE(msg.find(c.messagePart), std::string::npos) << msg;
    }
  }
  // Right signature text, wrong C++ type: still refused, nothing called.
  EXPECT_THROW((callSlot<std::int32_t(std::int32_t)>(*t, 0, "%i4%i4i4", 1)), Raised);
  EXPECT_EQ(t->calls, 0);
}

TEST(Casts, CheckCastFollowsTheSuperclassChainAndGivesNilOtherwise) {
  Ref<Thing> base = newThing();
  Ref<Thing> sub = newThing(SubThingClass());
  EXPECT_EQ(RuntimeCheckCast(sub.get(), ThingClass()).get(), sub.get());
  EXPECT_FALSE(RuntimeCheckCast(base.get(), SubThingClass()));
  EXPECT_FALSE(RuntimeCheckCast(nullptr, ThingClass()));
  EXPECT_TRUE(RuntimeObjectIsa(sub.get(), ThingClass()));
  EXPECT_FALSE(RuntimeObjectIsa(nullptr, ThingClass()));
  {
    Ref<Object> cast = RuntimeCheckCast(sub.get(), SubThingClass());
    EXPECT_EQ(sub->refCount(), 2);  // the cast hands out a reference of its own
  }
  EXPECT_EQ(sub->refCount(), 1);
}

TEST(Casts, ObjectsOfAClassWithoutFrameworkBaseCannotBeMade) {
  static const ClassRecord* cache = nullptr;
  ClassSpec desc;
  desc.name = "Baseless";
  const ClassRecord& cls = buildClass(cache, desc);
  EXPECT_THROW(RuntimeNewObject(cls), Raised);
}

}  // namespace
}  // namespace rt::testing
