#include <gtest/gtest.h>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "test_classes.h"

namespace rt::testing {
namespace {

// A handler in the form a window's handler slot has: receiver and sender.
Object* gLastSender = nullptr;
void recordPress(Object& self, Object* sender) {
  receiverAs<Thing>(self, "recordPress").calls += 1;
  gLastSender = sender;
}

Ref<Delegate> pressDelegate(Object* target, std::int32_t weak) {
  return RuntimeCreateDelegate(DelegateInvokeOneObject(), makeSlot("Thing.recordPress", "%%o<BevelButton>", &recordPress),
                               target, "( BevelButton )", weak);
}

TEST(Delegates, AttachedHandlerRunsOnTheTargetWithTheSender) {
  Ref<Thing> target = newThing();
  Ref<Thing> button = newThing();
  Ref<Delegate> d = pressDelegate(target.get(), 1);
  RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *d);
  EXPECT_EQ(d->refCount(), 2);  // the button keeps the delegate
  gLastSender = nullptr;
  EXPECT_TRUE(raiseEvent(*button, 17));
  EXPECT_EQ(target->calls, 1);
  EXPECT_EQ(gLastSender, button.get());
  EXPECT_FALSE(raiseEvent(*button, 16));  // nothing attached there, no class handler
}

TEST(Delegates, WeakTargetIsNotKeptAliveAndAGoneTargetRaisesNilObject) {
  Ref<Thing> button = newThing();
  {
    Ref<Thing> target = newThing();
    Ref<Delegate> d = pressDelegate(target.get(), 1);
    RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *d);
    EXPECT_EQ(target->refCount(), 1);
  }
  gLastSender = nullptr;
  try {
    raiseEvent(*button, 17);
    ADD_FAILURE() << "a press on a gone window went through";
  } catch (const Raised& r) {
    EXPECT_TRUE(RuntimeObjectIsa(r.exception().get(), NilObjectExceptionClass()));
  }
  EXPECT_EQ(gLastSender, nullptr);  // the handler never ran
}

TEST(Delegates, StrongTargetStaysAliveUntilTheDelegateGoes) {
  Ref<Thing> target = newThing();
  Ref<Delegate> d = pressDelegate(target.get(), 0);
  EXPECT_EQ(target->refCount(), 2);
  d.reset();
  EXPECT_EQ(target->refCount(), 1);
}

TEST(Delegates, ReattachingAnEventReplacesTheDelegate) {
  Ref<Thing> a = newThing();
  Ref<Thing> b = newThing();
  Ref<Thing> button = newThing();
  Ref<Delegate> first = pressDelegate(a.get(), 1);
  Ref<Delegate> second = pressDelegate(b.get(), 1);
  RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *first);
  RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *second);
  EXPECT_EQ(first->refCount(), 1);
  raiseEvent(*button, 17);
  EXPECT_EQ(a->calls, 0);
  EXPECT_EQ(b->calls, 1);
  EXPECT_EQ(attachedDelegate(*button, 17).get(), second.get());
}

TEST(Delegates, ADelegateWithAnotherSignatureIsRefusedByTheInvoker) {
  Ref<Thing> target = newThing();
  Ref<Thing> button = newThing();
  Ref<Delegate> d = RuntimeCreateDelegate(DelegateInvokeOneObject(),
                                          makeSlot("Thing.recordPress", "%%o<Label>", &recordPress), target.get(),
                                          "( BevelButton )", 1);
  RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *d);
  EXPECT_THROW(raiseEvent(*button, 17), Raised);
  EXPECT_EQ(target->calls, 0);
}

TEST(Events, ClassLevelHandlerRunsWhenNoHandlerIsAttached) {
  Ref<Thing> sub = newThing(SubThingClass());
  Ref<Thing> base = newThing();
  EXPECT_TRUE(raiseEvent(*sub, 0));
  EXPECT_EQ(sub->calls, 100);
  EXPECT_FALSE(raiseEvent(*base, 0));
  EXPECT_FALSE(raiseEvent(*sub, 9));  // beyond the event table
}

TEST(Events, ObjectsWithHandlersAreReleasedCompletely) {
  const std::size_t before = liveObjectCount();
  {
    Ref<Thing> target = newThing();
    Ref<Thing> button = newThing();
    Ref<Delegate> d = pressDelegate(target.get(), 1);
    RuntimeAddEventHandler(*button, 17, AddHandlerStub<17>, *d);
    RuntimeAddEventHandler(*button, 1, AddHandlerStub<1>, *d);
  }
  EXPECT_EQ(liveObjectCount(), before);
}

}  // namespace
}  // namespace rt::testing
