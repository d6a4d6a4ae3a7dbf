#include <gtest/gtest.h>

#include "platform/runtime/fields.h"
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

}  // namespace
}  // namespace rt::testing
