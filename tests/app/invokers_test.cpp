// The introspection invokers: one per signature text, each turning an
// argument list into the method's parameter and its result into a value.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/invokers.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/value.h"
#include "platform/ui/classes.h"
#include "support.h"

namespace {

using apptest::AppTest;
using apptest::raisedClass;

// What the methods under test saw.
struct Seen {
  static inline int calls = 0;
  static inline rt::Object* receiver = nullptr;
  static inline std::int32_t number = 0;
  static inline rt::Object* object = nullptr;
  static inline rt::Ref<rt::Object> toReturn;
  static void reset() {
    calls = 0;
    receiver = object = nullptr;
    number = 0;
    toReturn.reset();
  }
};

void noArguments(rt::Object& self) {
  ++Seen::calls;
  Seen::receiver = &self;
}
void takesNumber(rt::Object& self, std::int32_t n) {
  noArguments(self);
  Seen::number = n;
}
void takesButton(rt::Object& self, rt::Object* sender) {
  noArguments(self);
  Seen::object = sender;
}
rt::Ref<rt::Object> givesObject(rt::Object& self) {
  noArguments(self);
  return Seen::toReturn;
}
rt::Ref<rt::Object> givesObjectAt(rt::Object& self, std::int32_t n) {
  takesNumber(self, n);
  return Seen::toReturn;
}

class Invokers : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Seen::reset();
  }
  void TearDown() override {
    Seen::reset();
    AppTest::TearDown();
  }
  rt::Value run(const char* signature, const rt::MethodSlot& fn, rt::Object* receiver,
                const std::vector<rt::Value>* args) {
    return app::invokerFor(signature)(fn, receiver, args);
  }
  rt::Ref<rt::Object> receiver_ = rt::RuntimeNewObject(ui::WindowClass());
};

TEST_F(Invokers, EverySignatureOfTheProgramHasOneSharedInvokerAndAnUnknownTextHasNone) {
  const std::vector<std::string> signatures = {
      "%%",
      "%%i4",
      "%%o<BevelButton>",
      "%o<TextArea>%",
      "%o<Label>%",
      "%o<Label>%i4",
      "%o<Oval>%",
      "%o<Line>%i4",
      "%o<Timer>%",
      "%o<BevelButton>%",
      "%o<BevelButton>%i4",
      "%o<MenuItem>%",
      "%o<QuitMenuItem>%",
  };
  std::vector<rt::Invoker> seen;
  for (const std::string& s : signatures) {
    const rt::Invoker inv = app::invokerFor(s);
    ASSERT_NE(inv, nullptr) << s;
    EXPECT_EQ(app::invokerFor(std::string(s)), inv) << s;
    for (rt::Invoker other : seen) EXPECT_NE(inv, other) << s << " shares an invoker with another text";
    seen.push_back(inv);
  }
  EXPECT_THROW(app::invokerFor("%%s"), std::logic_error);
}

TEST_F(Invokers, ANilReceiverRaisesForEveryInvokerAndCallsNothing) {
  const std::vector<rt::Value> args = {std::int32_t{1}};
  for (const char* s : {"%%", "%%i4", "%%o<BevelButton>", "%o<Label>%", "%o<Line>%i4", "%o<QuitMenuItem>%"}) {
    const rt::MethodSlot fn = rt::makeSlot("test", s, &noArguments);
    EXPECT_EQ(raisedClass([&] { run(s, fn, nullptr, &args); }), "NilObjectException") << s;
  }
  EXPECT_EQ(Seen::calls, 0);
}

TEST_F(Invokers, ANilArgumentListRaisesOnlyForAMethodWithAParameter) {
  const rt::MethodSlot number = rt::makeSlot("test", "%%i4", &takesNumber);
  const rt::MethodSlot button = rt::makeSlot("test", "%%o<BevelButton>", &takesButton);
  EXPECT_EQ(raisedClass([&] { run("%%i4", number, receiver_.get(), nullptr); }), "NilObjectException");
  EXPECT_EQ(raisedClass([&] { run("%%o<BevelButton>", button, receiver_.get(), nullptr); }), "NilObjectException");
  EXPECT_EQ(Seen::calls, 0);

  const rt::MethodSlot plain = rt::makeSlot("test", "%%", &noArguments);
  EXPECT_EQ(run("%%", plain, receiver_.get(), nullptr), rt::Value());
  EXPECT_EQ(Seen::calls, 1);
  EXPECT_EQ(Seen::receiver, receiver_.get());
}

TEST_F(Invokers, AnIntegerParameterIsConvertedFromElementZero) {
  const rt::MethodSlot fn = rt::makeSlot("test", "%%i4", &takesNumber);
  const std::vector<rt::Value> args = {std::int32_t{-7}, std::int32_t{99}};
  run("%%i4", fn, receiver_.get(), &args);
  EXPECT_EQ(Seen::number, -7);

  const std::vector<rt::Value> text = {rt::String("3")};
  EXPECT_EQ(raisedClass([&] { run("%%i4", fn, receiver_.get(), &text); }), "RuntimeException");
  const std::vector<rt::Value> none;
  EXPECT_EQ(raisedClass([&] { run("%%i4", fn, receiver_.get(), &none); }), "RuntimeException");
  EXPECT_EQ(Seen::calls, 1);
}

TEST_F(Invokers, AnObjectParameterGoesThroughACheckedCastThatGivesNilForAnotherClass) {
  const rt::MethodSlot fn = rt::makeSlot("test", "%%o<BevelButton>", &takesButton);
  const rt::Ref<rt::Object> button = rt::RuntimeNewObject(ui::BevelButtonClass());
  const rt::Ref<rt::Object> label = rt::RuntimeNewObject(ui::LabelClass());
  struct Case {
    rt::Value arg;
    rt::Object* expected;
  };
  for (const Case& c : {Case{button, button.get()}, Case{label, nullptr}, Case{rt::Value(), nullptr}}) {
    Seen::object = receiver_.get();
    const std::vector<rt::Value> args = {c.arg};
    EXPECT_EQ(run("%%o<BevelButton>", fn, receiver_.get(), &args), rt::Value());
    EXPECT_EQ(Seen::object, c.expected);
  }
  EXPECT_EQ(Seen::calls, 3);
}

TEST_F(Invokers, AnObjectResultComesBackAsAValueHoldingThatObject) {
  Seen::toReturn = rt::RuntimeNewObject(ui::LabelClass());
  const rt::Value plain = run("%o<Label>%", rt::makeSlot("test", "%o<Label>%", &givesObject), receiver_.get(), nullptr);
  EXPECT_EQ(rt::valueToObject(plain), Seen::toReturn);

  const std::vector<rt::Value> args = {std::int32_t{4}};
  const rt::Value indexed =
      run("%o<Label>%i4", rt::makeSlot("test", "%o<Label>%i4", &givesObjectAt), receiver_.get(), &args);
  EXPECT_EQ(rt::valueToObject(indexed), Seen::toReturn);
  EXPECT_EQ(Seen::number, 4);

  Seen::toReturn.reset();
  EXPECT_EQ(
      rt::valueToObject(run("%o<Label>%", rt::makeSlot("test", "%o<Label>%", &givesObject), receiver_.get(), nullptr)),
      nullptr);
}

TEST_F(Invokers, AFunctionStoredWithAnotherSignatureIsRefusedUncalled) {
  const rt::MethodSlot number = rt::makeSlot("test", "%%i4", &takesNumber);
  const std::vector<rt::Value> args = {std::int32_t{1}};
  EXPECT_EQ(raisedClass([&] { run("%%", number, receiver_.get(), &args); }), "RuntimeException");
  EXPECT_EQ(Seen::calls, 0);
}

}  // namespace
