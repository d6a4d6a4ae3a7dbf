// The control-array classes and the timer class: their records against the
// expected tables, and their members, on a game window and on others.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/events.h"
#include "window/control_classes.h"
#include "window/invokers.h"
#include "window_test.h"

namespace {

using windowtest::as;
using windowtest::control;
using windowtest::int32Of;
using windowtest::make;
using windowtest::raisedBy;
using windowtest::WindowTest;

using ControlClassesTest = WindowTest;

struct ArrayClass {
  const char* name;
  const rt::ClassRecord& (*lookup)();
  void (*build)();
  const rt::ClassRecord& (*super)();
  std::uint32_t methodInfo, interfaces, events, properties;
  std::size_t slots, indexConstructorSlot;
};
// clang-format off
const ArrayClass kArrayClasses[] = {
  {"Window1.FudaButton", window1::FudaButtonClass, window1::buildFudaButtonClass, ui::BevelButtonClass, 134, 0, 20, 55, 36, 35},
  {"Window1.MiniLabel",  window1::MiniLabelClass,  window1::buildMiniLabelClass,  ui::LabelClass,       112, 1, 19, 47, 31, 30},
  {"Window1.Xline",      window1::XlineClass,      window1::buildXlineClass,      ui::LineClass,         92, 1, 18, 38, 30, 29},
};
// clang-format on

void expectAttributes(const std::vector<rt::Attribute>& attrs, const char* scope, bool hidden) {
  ASSERT_EQ(attrs.size(), hidden ? 2u : 1u);
  EXPECT_EQ(attrs[0].name.str(), "__Scope");
  EXPECT_EQ(attrs[0].value.str(), scope);
  EXPECT_TRUE(attrs[0].hasValue);
  if (hidden) {
    EXPECT_EQ(attrs[1].name.str(), "Hidden");
    EXPECT_FALSE(attrs[1].hasValue);
  }
}

void expectOwnEntry(const rt::ClassRecord& r, std::size_t entry, const char* name, const char* signature,
                    std::size_t slot, bool hidden) {
  const rt::MethodInfo& m = r.methodInfo[entry];
  EXPECT_EQ(m.name.str(), name);
  EXPECT_EQ(m.flags, 1u);
  EXPECT_EQ(m.signature.str(), signature);
  EXPECT_EQ(r.vtable[slot].signature, signature);
  EXPECT_EQ(m.function.fn, r.vtable[slot].fn);
  EXPECT_EQ(m.invoker, introspection::invokerFor(signature));
  expectAttributes(m.attributes, "Public", hidden);
}

TEST_F(ControlClassesTest, ArrayRecordsAreTheirSuperclassWithTwoConstructorsAndPrivateScope) {
  for (const ArrayClass& c : kArrayClasses) {
    SCOPED_TRACE(c.name);
    const rt::ClassRecord& r = c.lookup();
    const rt::ClassRecord& super = c.super();
    EXPECT_EQ(r.name.str(), c.name);
    EXPECT_EQ(r.superclass, &super);
    EXPECT_EQ(r.instanceSize, super.instanceSize);
    EXPECT_EQ(r.methodInfo.size(), c.methodInfo);
    EXPECT_EQ(r.interfaces.size(), c.interfaces);
    EXPECT_EQ(r.events.size(), c.events);
    EXPECT_EQ(r.properties.size(), c.properties);
    ASSERT_EQ(r.classAttributes.size(), 1u);
    EXPECT_EQ(r.classAttributes[0].value.str(), "Private");

    // Slot for slot the superclass's table, but for the two constructors.
    ASSERT_EQ(r.vtable.size(), c.slots);
    for (std::size_t i = 0; i + 1 < c.slots; ++i) {
      if (i == 13) continue;
      EXPECT_EQ(r.vtable[i].fn, super.vtable[i].fn) << "slot " << i;
    }
    EXPECT_NE(r.vtable[13].fn, super.vtable[13].fn);
    expectOwnEntry(r, c.methodInfo - 2, "Constructor", "%%i4", c.indexConstructorSlot, false);
    expectOwnEntry(r, c.methodInfo - 1, "Constructor", "%%", 13, false);
    EXPECT_EQ(r.methodInfo[c.methodInfo - 3].name, super.methodInfo.back().name);
    for (std::size_t e = 0; e < r.events.size(); ++e) EXPECT_EQ(r.events[e].handler.fn, super.events[e].handler.fn);
  }
}

TEST_F(ControlClassesTest, MouseEventsTablesHoldTheSuperclassMouseOperationsInOrder) {
  struct Case {
    const rt::ClassRecord& (*lookup)();
    const rt::ClassRecord& (*super)();
    const char* superName;
    std::size_t firstSlot;
  };
  for (const Case& c : {Case{window1::MiniLabelClass, ui::LabelClass, "Label", 27},
                        Case{window1::XlineClass, ui::LineClass, "Line", 26}}) {
    SCOPED_TRACE(c.superName);
    const rt::InterfaceEntry& e = c.lookup().interfaces.at(0);
    EXPECT_EQ(e.interface, &ui::MouseEventsInterface());
    EXPECT_EQ(e.methodCount, 3u);
    ASSERT_EQ(e.table.size(), 3u);
    const char* names[] = {"_MouseDown", "_MouseDrag", "_MouseUp"};
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_EQ(e.table[k].member, std::string(c.superName) + "." + names[k]);
      EXPECT_EQ(e.table[k].fn, c.super().vtable[c.firstSlot + k].fn);
    }
  }
}

TEST_F(ControlClassesTest, TimerRecordAddsItsWindowLinkIndexAndEmptyConstructor) {
  const rt::ClassRecord& r = window1::Timer1Class();
  const rt::ClassRecord& timer = ui::TimerClass();
  EXPECT_EQ(r.name.str(), "Window1.Timer1");
  EXPECT_EQ(r.superclass, &timer);
  EXPECT_EQ(r.methodInfo.size(), 17u);
  EXPECT_EQ(r.events.size(), 1u);
  EXPECT_FALSE(r.events[0].handler);
  ASSERT_EQ(r.classAttributes.size(), 1u);
  EXPECT_EQ(r.classAttributes[0].value.str(), "Private");
  ASSERT_EQ(r.vtable.size(), 9u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(r.vtable[i].fn, timer.vtable[i].fn) << "slot " << i;
  expectOwnEntry(r, 12, "_SetWindow", "%%o<Window>", 4, true);
  expectOwnEntry(r, 13, "Window", "%o<Window>%", 5, false);
  expectOwnEntry(r, 14, "_Index", "%i4%", 6, true);
  expectOwnEntry(r, 15, "_SetIndex", "%%i4", 7, true);
  expectOwnEntry(r, 16, "Constructor", "%%", 8, false);

  // Index and ownerWindow are fields of the class's own, behind Timer's.
  ASSERT_EQ(r.properties.size(), 6u);
  const rt::PropertyEntry& index = r.properties[4];
  const rt::PropertyEntry& owner = r.properties[5];
  EXPECT_EQ(index.name.str() + " " + index.type.str() + " " + std::to_string(index.flags), "Index i4 5");
  EXPECT_EQ(owner.name.str() + " " + owner.type.str() + " " + std::to_string(owner.flags), "ownerWindow o<Window> 4");
  expectAttributes(index.attributes, "Public", false);
  expectAttributes(owner.attributes, "Private", false);
  EXPECT_EQ(index.valueGetter, rt::Int32_Introspection_GetValue);
  EXPECT_EQ(owner.valueGetter, rt::Object_Introspection_GetValue);
  EXPECT_EQ(index.storage, timer.instanceSize);
  EXPECT_GE(owner.storage, index.storage + 4);
  EXPECT_GE(r.instanceSize, owner.storage + sizeof(void*));

  // actionSource filled again in Timer's place with Timer's functions, then _PaneChild.
  ASSERT_EQ(r.interfaces.size(), 2u);
  EXPECT_EQ(r.interfaces[0].interface, &ui::ActionSourceInterface());
  ASSERT_EQ(r.interfaces[0].table.size(), 2u);
  EXPECT_EQ(r.interfaces[0].table[1].fn, timer.vtable[2].fn);
  EXPECT_EQ(r.interfaces[1].interface, &ui::PaneChildInterface());
  ASSERT_EQ(r.interfaces[1].table.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(r.interfaces[1].table[k].fn, r.vtable[4 + k].fn);
}

TEST_F(ControlClassesTest, IntrospectionListsTheTimersWindowAndConstructorButNotItsHiddenMembers) {
  const rt::ClassRecord& cls = window1::Timer1Class();
  std::vector<std::string> own;
  bool constructorListed = false;
  for (const rt::IntrospectedMethod& m : rt::introspectMethods(cls)) {
    if (m.info < &cls.methodInfo[12]) continue;
    own.push_back(m.info->name.str());
    if (m.isConstructor) constructorListed = m.info->name.str() == "Constructor";
  }
  EXPECT_EQ(own, (std::vector<std::string>{"Window", "Constructor"}));
  EXPECT_TRUE(constructorListed);
}

TEST_F(ControlClassesTest, LookupsAndBuildersGiveTheOneRecordBuilt) {
  struct Case {
    const char* name;
    const rt::ClassRecord& (*lookup)();
    void (*build)();
  };
  for (const Case& c : {Case{"Window1.FudaButton", window1::FudaButtonClass, window1::buildFudaButtonClass},
                        Case{"Window1.MiniLabel", window1::MiniLabelClass, window1::buildMiniLabelClass},
                        Case{"Window1.Xline", window1::XlineClass, window1::buildXlineClass},
                        Case{"Window1.Timer1", window1::Timer1Class, window1::buildTimer1Class}}) {
    const rt::ClassRecord* first = &c.lookup();
    c.build();
    EXPECT_EQ(&c.lookup(), first) << c.name;
    EXPECT_EQ(rt::RuntimeLookupClass(c.name), first) << c.name;
  }
}

// --- the constructors --------------------------------------------------------------

TEST_F(ControlClassesTest, IndexConstructorSetsTheIndexAndConstructsWithoutRegistering) {
  for (const ArrayClass& c : kArrayClasses) {
    SCOPED_TRACE(c.name);
    const auto w = make<ui::Window>(ui::WindowClass());
    const auto made = as<ui::RectControl>(w->newControl(c.lookup()));
    rt::callSlot<void(std::int32_t)>(*made, c.indexConstructorSlot, "%%i4", 4);
    EXPECT_EQ(made->index(), 4);
    EXPECT_TRUE(made->constructed());
    EXPECT_TRUE(w->controls().empty());
  }
}

TEST_F(ControlClassesTest, NewStrokeAndNumeralCopyTheFirstMadeElementWithIndexZeroAndRegister) {
  const auto w = make<ui::Window>(ui::WindowClass());
  const auto line = as<ui::Line>(w->newControl(window1::XlineClass()));
  rt::callSlot<void()>(*line, 13, "%%");
  EXPECT_EQ(line->index(), 0);
  EXPECT_EQ(line->top(), 284);
  EXPECT_EQ(line->x1(), 534);
  EXPECT_EQ(line->x2(), 604);
  EXPECT_EQ(line->y1(), 284);
  EXPECT_EQ(line->y2(), 205);
  EXPECT_EQ(w->controlByNameIndex("Xline", 0).get(), line.get());
  EXPECT_TRUE(line->constructed());

  const auto label = as<ui::Label>(w->newControl(window1::MiniLabelClass()));
  label->setTextUnit(3);
  rt::callSlot<void()>(*label, 13, "%%");
  EXPECT_EQ(label->textUnit(), 0);
  EXPECT_EQ(label->text().str(), "壱");
  EXPECT_EQ(label->index(), 0);
  EXPECT_EQ(w->controlByNameIndex("MiniLabel", 0).get(), label.get());
  EXPECT_TRUE(label->constructed());
}

TEST_F(ControlClassesTest, NewCardOnAGameWindowAnswersToTheWindowsCardHandler) {
  const rt::Ref<ui::Window> w = windowtest::openWindow1();
  const auto card = as<ui::BevelButton>(w->newControl(window1::FudaButtonClass()));
  card->setTextUnit(2);
  rt::callSlot<void()>(*card, 13, "%%");
  EXPECT_EQ(card->index(), 0);
  EXPECT_EQ(card->textUnit(), 0);
  EXPECT_EQ(card->width(), 388);
  EXPECT_TRUE(card->constructed());
  EXPECT_EQ(w->controls().back().get(), card.get());
  EXPECT_EQ(card->name().str(), "FudaButton");
  const rt::Ref<rt::Delegate> d = rt::attachedDelegate(*card, ui::event::kBevelButtonAction);
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->isWeak());
  EXPECT_EQ(d->target().get(), w.get());

  // Index 0 against Key: a right pick shows the circle, a wrong one the cross.
  rt::setInt32Property(*w, "Kaisu", 2);
  rt::setInt32Property(*w, "Key", 0);
  windowtest::press(card);
  EXPECT_TRUE(control<ui::Oval>(*w, "Oval1")->visible());
  EXPECT_EQ(int32Of(*w, "Tokuten"), 10);
  rt::setInt32Property(*w, "Key", 3);
  windowtest::press(card);
  EXPECT_TRUE(control<ui::Line>(*w, "Xline", 1)->visible());
  EXPECT_EQ(int32Of(*w, "Tokuten"), 10);
  EXPECT_EQ(int32Of(*w, "Kaisu"), 4);
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(ControlClassesTest, NewCardOutsideAGameWindowFailsWithItsBlockAppliedAndNothingMore) {
  for (const bool onWindow : {true, false}) {
    SCOPED_TRACE(onWindow ? "on a plain window" : "without a window");
    const auto w = make<ui::Window>(ui::WindowClass());
    const auto card = onWindow ? as<ui::BevelButton>(w->newControl(window1::FudaButtonClass()))
                               : make<ui::BevelButton>(window1::FudaButtonClass());
    EXPECT_EQ(raisedBy([&] { rt::callSlot<void()>(*card, 13, "%%"); }), "NilObjectException");
    EXPECT_EQ(card->refCount(), 1);
    EXPECT_EQ(card->top(), 166);
    EXPECT_FALSE(rt::attachedDelegate(*card, ui::event::kBevelButtonAction));
    EXPECT_TRUE(w->controls().empty());
    EXPECT_FALSE(card->constructed());
  }
}

TEST_F(ControlClassesTest, NewNumeralOrStrokeWithoutAWindowFailsAtRegistrationWithIndexZero) {
  for (const auto lookup : {window1::MiniLabelClass, window1::XlineClass}) {
    const auto c = make<ui::RectControl>(lookup());
    SCOPED_TRACE(c->classRecord().name.str());
    c->setIndex(9);
    EXPECT_EQ(raisedBy([&] { rt::callSlot<void()>(*c, 13, "%%"); }), "NilObjectException");
    EXPECT_EQ(c->index(), 0);
    EXPECT_EQ(c->left(), lookup == window1::XlineClass ? 534 : 28);
    EXPECT_FALSE(c->constructed());
  }
}

// --- the timer --------------------------------------------------------------------------

rt::Ref<rt::Object> timerWindow(rt::Object& timer) {
  return rt::callSlot<rt::Ref<rt::Object>()>(timer, 5, "%o<Window>%");
}
void setTimerWindow(rt::Object& timer, rt::Object* w) { rt::callSlot<void(rt::Object*)>(timer, 4, "%%o<Window>", w); }
std::int32_t timerIndex(rt::Object& timer) { return rt::callSlot<std::int32_t()>(timer, 6, "%i4%"); }

TEST_F(ControlClassesTest, TimerHoldsOneReferenceToTheWindowItWasLastGiven) {
  const auto a = make<ui::Window>(ui::WindowClass());
  const auto b = make<ui::Window>(ui::WindowClass());
  const auto t = make<ui::Timer>(window1::Timer1Class());
  rt::callSlot<void()>(*t, 8, "%%");
  EXPECT_EQ(timerIndex(*t), 0);
  EXPECT_FALSE(timerWindow(*t));

  setTimerWindow(*t, a.get());
  setTimerWindow(*t, a.get());  // the same again changes nothing
  EXPECT_EQ(a->refCount(), 2);
  setTimerWindow(*t, b.get());
  EXPECT_EQ(a->refCount(), 1);
  EXPECT_EQ(b->refCount(), 2);
  EXPECT_EQ(timerWindow(*t).get(), b.get());
  EXPECT_EQ(b->refCount(), 2);  // the caller's reference went with the result

  // The framework reaches the same members through _PaneChild.
  const std::vector<rt::MethodSlot>& pane = t->classRecord().interfaces[1].table;
  rt::callFn<void(rt::Object*)>(pane[0], "%%o<Window>", *t, nullptr);
  EXPECT_EQ(b->refCount(), 1);
  EXPECT_FALSE(timerWindow(*t));
}

TEST_F(ControlClassesTest, TheSameWindowAgainSurvivesWhenTheTimerHoldsItsOnlyReference) {
  const auto t = make<ui::Timer>(window1::Timer1Class());
  auto w = make<ui::Window>(ui::WindowClass());
  rt::WeakRef<ui::Window> weak(w.get());
  ui::Window* raw = w.get();
  setTimerWindow(*t, raw);
  w.reset();
  setTimerWindow(*t, raw);
  ASSERT_FALSE(weak.expired());
  EXPECT_EQ(raw->refCount(), 1);
  EXPECT_EQ(timerWindow(*t).get(), raw);
  setTimerWindow(*t, nullptr);
  EXPECT_TRUE(weak.expired());
}

TEST_F(ControlClassesTest, TimerIndexIsStoredUncheckedAndIsTheControlsIndex) {
  const auto t = make<ui::Timer>(window1::Timer1Class());
  rt::callSlot<void(std::int32_t)>(*t, 7, "%%i4", -5);
  EXPECT_EQ(timerIndex(*t), -5);
  EXPECT_EQ(t->index(), -5);
  t->setIndex(12);
  EXPECT_EQ(timerIndex(*t), 12);
}

TEST_F(ControlClassesTest, TimerMembersRefuseANilReceiverThroughIntrospection) {
  const rt::ClassRecord& r = window1::Timer1Class();
  const std::vector<rt::Value> window = {rt::Value(rt::Ref<rt::Object>())};
  const std::vector<rt::Value> index = {rt::Value(std::int32_t{1})};
  for (const auto& [entry, args] : {std::pair{12, &window}, std::pair{14, &index}, std::pair{15, &index}}) {
    const rt::MethodInfo& m = r.methodInfo[static_cast<std::size_t>(entry)];
    EXPECT_EQ(raisedBy([&] { m.invoker(m.function, nullptr, args); }), "NilObjectException") << m.name.str();
  }
}

TEST_F(ControlClassesTest, DestroyingATimerLetsGoOfItsWindowOnly) {
  const auto w = make<ui::Window>(ui::WindowClass());
  const std::size_t live = rt::liveObjectCount();
  make<ui::Timer>(window1::Timer1Class());  // without a window: nothing to let go of
  EXPECT_EQ(rt::liveObjectCount(), live);
  {
    const auto t = make<ui::Timer>(window1::Timer1Class());
    setTimerWindow(*t, w.get());
  }
  EXPECT_EQ(w->refCount(), 1);
  EXPECT_EQ(rt::liveObjectCount(), live);
}

}  // namespace
