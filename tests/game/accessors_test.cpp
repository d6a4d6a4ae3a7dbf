// Window1's control accessors: a fresh lookup by name (and index) on every
// call, typed as the framework class, nil for anything not registered.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "game_test.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/window.h"
#include "window/accessors.h"
#include "window/control_classes.h"

namespace {

using gametest::GameTest;
using pokotest::GameWindow;

using AccessorsTest = GameTest;

constexpr std::int32_t kPlain = ui::kNoIndex;  // a row for an accessor without index

// Calls the accessor through the method-table entry it gives, so the entry's
// C++ type must agree with its signature text.
rt::Ref<rt::Object> callEntry(const window1::AccessorEntry& a, rt::Object& window, std::int32_t index) {
  const rt::MethodSlot slot = a.slotEntry();
  if (index == kPlain) return rt::callFn<rt::Ref<rt::Object>()>(slot, a.signature, window);
  return rt::callFn<rt::Ref<rt::Object>(std::int32_t)>(slot, a.signature, window, index);
}

const window1::AccessorEntry& accessor(const std::string& name) {
  for (const auto& a : window1::kAccessors) {
    if (a.name == name) return a;
  }
  throw std::logic_error("no accessor " + name);
}

rt::Ref<rt::Object> registered(const GameWindow& w, const std::string& name, std::int32_t index) {
  return index == kPlain ? rt::Ref<rt::Object>(w.window().controlByName(rt::String(name)))
                         : rt::Ref<rt::Object>(w.window().controlByNameIndex(rt::String(name), index));
}

TEST_F(AccessorsTest, EachAccessorFindsTheControlRegisteredUnderItsOwnName) {
  struct Case {
    const char* name;
    std::int32_t index;
    const rt::ClassRecord& (*resultClass)();
  };
  const Case cases[] = {
      {"OdaiAREA", kPlain, ui::TextAreaClass},
      {"Label1", kPlain, ui::LabelClass},
      {"MiniLabel", 0, ui::LabelClass},
      {"MiniLabel", 4, ui::LabelClass},
      {"Oval1", kPlain, ui::OvalClass},
      {"Xline", 0, ui::LineClass},
      {"Xline", 1, ui::LineClass},
      {"Timer1", kPlain, ui::TimerClass},
      {"StartButton", kPlain, ui::BevelButtonClass},
      {"FudaButton", 0, ui::BevelButtonClass},
      {"FudaButton", 3, ui::BevelButtonClass},
      {"Label2", kPlain, ui::LabelClass},
      {"TokutenButton", kPlain, ui::BevelButtonClass},
  };
  GameWindow w;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.index));
    const rt::Ref<rt::Object> got = callEntry(accessor(c.name), w.self(), c.index);
    ASSERT_TRUE(got);
    EXPECT_EQ(got, registered(w, c.name, c.index));
    EXPECT_TRUE(got->classRecord().isa(c.resultClass()));
  }
}

TEST_F(AccessorsTest, TheIndexNotTheOrderOfCreationChoosesTheElement) {
  // The game window makes cross line 1 before line 0; a bare window here
  // makes them the other way round.
  for (const bool oneFirst : {true, false}) {
    SCOPED_TRACE(oneFirst ? "line 1 made first" : "line 0 made first");
    const rt::Ref<rt::Object> obj = rt::RuntimeNewObject(ui::WindowClass());
    const rt::Ref<ui::Window> win = rt::checkCast<ui::Window>(obj.get(), ui::WindowClass());
    for (const std::int32_t i : oneFirst ? std::array{1, 0} : std::array{0, 1}) {
      const rt::Ref<ui::Control> line = win->newControl(ui::LineClass());
      line->setIndex(i);
      line->construct();
      win->addControl("Xline", line.get());
    }
    for (const std::int32_t i : {0, 1}) {
      const rt::Ref<rt::Object> got = window1::Xline(*win, i);
      ASSERT_TRUE(got);
      EXPECT_EQ(ui::Control_Index_Get(got.get(), 0), i);
    }
  }
}

TEST_F(AccessorsTest, TheFourthCardIsABevelButtonOfTheCardClassWithIndexThree) {
  GameWindow w;
  const rt::Ref<rt::Object> card = window1::FudaButton(w.self(), 3);
  ASSERT_TRUE(card);
  EXPECT_EQ(ui::Control_Index_Get(card.get(), 0), 3);
  EXPECT_TRUE(card->classRecord().isa(ui::BevelButtonClass()));
  EXPECT_EQ(&card->classRecord(), &window1::FudaButtonClass());
}

TEST_F(AccessorsTest, ArrayElementsComeTypedAsTheFrameworkClassButAreOfTheArraysClass) {
  GameWindow w;
  const rt::Ref<rt::Object> label = window1::MiniLabel(w.self(), 0);
  ASSERT_TRUE(label);
  EXPECT_TRUE(label->classRecord().isa(ui::LabelClass()));
  EXPECT_EQ(&label->classRecord(), &window1::MiniLabelClass());
  const rt::Ref<rt::Object> line = window1::Xline(w.self(), 1);
  ASSERT_TRUE(line);
  EXPECT_EQ(&line->classRecord(), &window1::XlineClass());
  const rt::Ref<rt::Object> timer = window1::Timer1(w.self());
  ASSERT_TRUE(timer);
  EXPECT_TRUE(timer->classRecord().isa(ui::TimerClass()));
  EXPECT_EQ(&timer->classRecord(), &window1::Timer1Class());
}

TEST_F(AccessorsTest, AnIndexOutsideAnArrayGivesNilWithoutRaising) {
  GameWindow w;
  for (const std::int32_t i : {5, -1, 100, std::numeric_limits<std::int32_t>::min()}) {
    EXPECT_FALSE(window1::FudaButton(w.self(), i)) << i;
    EXPECT_FALSE(window1::MiniLabel(w.self(), i)) << i;
  }
  EXPECT_FALSE(window1::Xline(w.self(), 2));
  EXPECT_FALSE(window1::Xline(w.self(), -1));
}

TEST_F(AccessorsTest, EveryAccessorGivesNilBeforeTheControlsExist) {
  const rt::Ref<rt::Object> window = rt::RuntimeNewObject(ui::WindowClass());
  for (const auto& a : window1::kAccessors) {
    const bool indexed = std::string(a.signature).ends_with("i4");
    EXPECT_FALSE(callEntry(a, *window, indexed ? 0 : kPlain)) << a.name;
  }
}

TEST_F(AccessorsTest, AnObjectOfAnotherClassUnderTheNameGivesNil) {
  const rt::Ref<rt::Object> obj = rt::RuntimeNewObject(ui::WindowClass());
  const rt::Ref<ui::Window> win = rt::checkCast<ui::Window>(obj.get(), ui::WindowClass());
  const rt::Ref<ui::Control> label = win->newControl(ui::LabelClass());
  label->construct();
  win->addControl("OdaiAREA", label.get());
  const rt::Ref<ui::Control> oval = win->newControl(ui::OvalClass());
  oval->setIndex(0);
  oval->construct();
  win->addControl("FudaButton", oval.get());

  EXPECT_FALSE(window1::OdaiAREA(*win));
  EXPECT_FALSE(window1::FudaButton(*win, 0));
}

TEST_F(AccessorsTest, ANilWindowRaisesNilObjectException) {
  const auto expectNil = [](auto call) {
    try {
      call();
      ADD_FAILURE() << "no exception";
    } catch (const rt::Raised& r) {
      EXPECT_TRUE(r.exception()->classRecord().isa(rt::NilObjectExceptionClass()));
    }
  };
  expectNil([] { window1::controlByName(nullptr, "OdaiAREA", ui::TextAreaClass()); });
  expectNil([] { window1::controlByNameIndex(nullptr, "FudaButton", 0, ui::BevelButtonClass()); });
}

TEST_F(AccessorsTest, AReceiverThatIsNoWindowRaisesFromTheLookup) {
  GameWindow w;
  const rt::Ref<ui::BevelButton> button = w.startButton();
  const std::int32_t count = button->refCount();
  try {
    window1::OdaiAREA(*button);
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(r.exception()->classRecord().isa(rt::RuntimeExceptionClass()));
    EXPECT_FALSE(r.exception()->classRecord().isa(rt::NilObjectExceptionClass()));
  }
  EXPECT_EQ(button->refCount(), count);
}

TEST_F(AccessorsTest, RepeatedLookupsLeaveTheControlsReferenceCountWhereItWas) {
  GameWindow w;
  const rt::Ref<ui::BevelButton> card = w.card(2);
  const rt::Ref<ui::TextArea> area = w.odai();
  const std::int32_t cardCount = card->refCount();
  const std::int32_t areaCount = area->refCount();
  const std::int32_t windowCount = w.window().refCount();
  for (int i = 0; i < 10; ++i) {
    const rt::Ref<rt::Object> c = window1::FudaButton(w.self(), 2);
    EXPECT_EQ(c->refCount(), cardCount + 1);
    window1::OdaiAREA(w.self());
  }
  EXPECT_EQ(card->refCount(), cardCount);
  EXPECT_EQ(area->refCount(), areaCount);
  EXPECT_EQ(w.window().refCount(), windowCount);
}

}  // namespace
