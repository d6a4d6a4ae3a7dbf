#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/fields.h"
#include "platform/runtime/lifecycle.h"
#include "platform/runtime/object.h"
#include "test_classes.h"

namespace rt::testing {
namespace {

TEST(Object, NewObjectCarriesOneReferenceAndZeroedFields) {
  const std::size_t before = liveObjectCount();
  {
    Ref<Thing> t = newThing(SubThingClass());
    EXPECT_EQ(t->refCount(), 1);
    EXPECT_EQ(liveObjectCount(), before + 1);
    EXPECT_EQ(t->fields().size(), 8u);  // Thing's 4 bytes and SubThing's 4
    for (std::byte b : t->fields()) EXPECT_EQ(b, std::byte{0});
  }
  EXPECT_EQ(liveObjectCount(), before);
}

TEST(Object, CopiesAndMovesOfRefsKeepTheCountExact) {
  Ref<Thing> a = newThing();
  {
    Ref<Thing> b = a;
    EXPECT_EQ(a->refCount(), 2);
    Ref<Thing> c = std::move(b);
    EXPECT_EQ(a->refCount(), 2);
    EXPECT_FALSE(b);  // NOLINT(bugprone-use-after-move): moved-from is nil by contract
    Ref<Object> up = c;
    EXPECT_EQ(a->refCount(), 3);
  }
  EXPECT_EQ(a->refCount(), 1);
  Thing* raw = a.release();
  EXPECT_FALSE(a);
  EXPECT_EQ(raw->refCount(), 1);
  Ref<Thing> back = Ref<Thing>::adopt(raw);
  EXPECT_EQ(back->refCount(), 1);
}

TEST(Object, RawLockAndUnlockAcceptNil) {
  RuntimeLockObject(nullptr);
  RuntimeUnlockObject(nullptr);
  Ref<Thing> a = newThing();
  Ref<Thing> b = newThing();
  RuntimeLockUnlockObjects(a.get(), nullptr);
  EXPECT_EQ(a->refCount(), 2);
  RuntimeLockUnlockObjects(b.get(), a.get());
  EXPECT_EQ(a->refCount(), 1);
  EXPECT_EQ(b->refCount(), 2);
  RuntimeUnlockObject(b.get());
}

TEST(Object, WeakRefSeesTheObjectGoWithoutKeepingItAlive) {
  Ref<Thing> t = newThing();
  WeakRef<Thing> w(t.get());
  {
    Ref<Thing> locked = w.lock();
    ASSERT_TRUE(locked);
    EXPECT_EQ(t->refCount(), 2);
  }
  EXPECT_EQ(t->refCount(), 1);
  t.reset();
  EXPECT_TRUE(w.expired());
  EXPECT_FALSE(w.lock());
}

TEST(Fields, Int32FieldsRoundTripAndStayInsideTheObject) {
  Ref<Thing> t = newThing(SubThingClass());
  Int32_Set(*t, 4, -2147483647 - 1);
  EXPECT_EQ(Int32_Get(*t, 4), -2147483647 - 1);
  EXPECT_EQ(Int32_Get(*t, 0), 0);
  EXPECT_THROW(Int32_Get(*t, 5), Raised);  // would read past the 8-byte store
  EXPECT_THROW(Int32_Set(*t, 0xFFFFFFFFu, 1), Raised);
}

TEST(Fields, PropertiesByNameIgnoreLetterCase) {
  Ref<Thing> t = newThing(SubThingClass());
  setInt32Property(*t, "EXTRA", 42);
  setInt32Property(*t, "count", 7);
  EXPECT_EQ(int32Property(*t, "Extra"), 42);
  EXPECT_EQ(Int32_Get(*t, 4), 42);  // the own field sits behind Thing's
  EXPECT_EQ(int32Property(*t, "Count"), 7);
  EXPECT_THROW(int32Property(*t, "Missing"), Raised);
}

TEST(Fields, ObjectFieldsHoldOneCountedReference) {
  Ref<Thing> holder = newThing(SubThingClass());
  Ref<Thing> a = newThing();
  Ref<Thing> b = newThing();
  const std::uint32_t pos = 0;
  ASSERT_GE(holder->fields().size(), sizeof(Object*));
  Object_Set(*holder, pos, a.get());
  EXPECT_EQ(a->refCount(), 2);
  Object_Set(*holder, pos, a.get());  // the same object again: count unchanged
  EXPECT_EQ(a->refCount(), 2);
  Object_Set(*holder, pos, b.get());
  EXPECT_EQ(a->refCount(), 1);
  EXPECT_EQ(b->refCount(), 2);
  EXPECT_EQ(Object_Get(*holder, pos).get(), b.get());
  Object_Set(*holder, pos, nullptr);
  EXPECT_EQ(b->refCount(), 1);
  EXPECT_FALSE(Object_Get(*holder, pos));
}

// A subclass of Thing whose finalizer does what the test asks of it; Thing's
// own chain has none, so a second class below it counts the runs.
struct FinalizerScript {
  int runs = 0;
  int baseRuns = 0;
  Ref<Object> kept;  // a reference the finalizer took to its own object
  enum { Nothing, KeepSelf, Raise, RaiseCpp } action = Nothing;
};
FinalizerScript script;

void scriptedFinalizer(Object& self) {
  ++script.runs;
  if (script.action == FinalizerScript::KeepSelf) script.kept = Ref<Object>::retain(&self);
  if (script.action == FinalizerScript::Raise) RaiseNilObjectException(String("finalizer gave up"));
  if (script.action == FinalizerScript::RaiseCpp) throw std::runtime_error("finalizer broke");
}

// A subclass that adds nothing to its superclass but a finalizer.
const ClassRecord& finalizingClass(const ClassRecord*& cache, const char* name,
                                   const ClassRecord* (*superLookup)(), ClassRoutine finalize) {
  ClassSpec desc;
  desc.name = name;
  desc.superLookup = superLookup;
  desc.counts = {.methodInfo = 1, .events = 1, .properties = 1};
  desc.slotCount = 2;
  desc.finalize = finalize;
  return buildClass(cache, desc);
}

const ClassRecord& FinalizedBaseClass() {
  static const ClassRecord* cache = nullptr;
  return finalizingClass(cache, "FinalizedBase", [] { return &ThingClass(); }, [](Object&) { ++script.baseRuns; });
}

const ClassRecord& FinalizedClass() {
  static const ClassRecord* cache = nullptr;
  return finalizingClass(cache, "Finalized", [] { return &FinalizedBaseClass(); }, scriptedFinalizer);
}

class Finalizers : public ::testing::Test {
 protected:
  void SetUp() override {
    RuntimeInit();
    script = FinalizerScript{};
  }
  void TearDown() override {
    script.kept.reset();
    RuntimeExit();
  }
};

// The object lives on while the finalizer's reference does; it is finalized
// once and freed with that reference.
TEST_F(Finalizers, AFinalizerThatKeepsItsObjectKeepsItAliveAndRunsOnlyOnce) {
  script.action = FinalizerScript::KeepSelf;
  const std::size_t before = liveObjectCount();
  Ref<Thing> t = newThing(FinalizedClass());
  WeakRef<Thing> weak(t.get());
  Thing* raw = t.get();
  t.reset();
  ASSERT_EQ(script.kept.get(), raw);
  EXPECT_EQ(raw->refCount(), 1);
  EXPECT_EQ(liveObjectCount(), before + 1);
  EXPECT_FALSE(weak.lock());  // gone for weak watchers from the first release on
  Int32_Set(*script.kept, 0, 5);  // still a whole object
  script.kept.reset();
  EXPECT_EQ(liveObjectCount(), before);
  EXPECT_EQ(script.runs, 1);
  EXPECT_EQ(script.baseRuns, 1);
}

TEST_F(Finalizers, AFinalizerThatRaisesIsReportedOnceAndTheReleaseCompletes) {
  struct Case {
    decltype(FinalizerScript::action) action;
    const char* reportPart;
  };
  for (const Case& c : {Case{FinalizerScript::Raise, "finalizer gave up"},
                        Case{FinalizerScript::RaiseCpp, "finalizer broke"}}) {
    RuntimeInit();
    script = FinalizerScript{};
    script.action = c.action;
    const std::size_t before = liveObjectCount();
    WeakRef<Thing> weak;
    {
      Ref<Thing> t = newThing(FinalizedClass());
      weak = WeakRef<Thing>(t.get());
    }  // released by the destructor, where nothing may unwind
    EXPECT_EQ(liveObjectCount(), before);
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(script.baseRuns, 1);  // the rest of the chain still ran
    EXPECT_EQ(unhandledExceptionCount(), 1u);
    EXPECT_NE(lastUnhandledReport().find(c.reportPart), std::string::npos) << lastUnhandledReport();
  }
}

void releaseAnObjectWhoseFinalizerReleasesItAgain() {
  static const ClassRecord* cache = nullptr;
  Ref<Thing> t = newThing(finalizingClass(
      cache, "OverReleasing", [] { return &ThingClass(); }, [](Object& self) { RuntimeUnlockObject(&self); }));
}

TEST(ObjectDeathTest, AFinalizerThatReleasesItsObjectOnceTooOftenStopsNamingTheClass) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(releaseAnObjectWhoseFinalizerReleasesItAgain(), "once more than it took it .a OverReleasing.");
}

}  // namespace
}  // namespace rt::testing
