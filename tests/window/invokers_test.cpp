// The introspection invokers: one per signature text; each refuses a nil
// receiver (and a nil list where a parameter is due), converts element 0 of
// the list to the parameter, calls the function through its checked
// signature and turns the result into a variant.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "window/invokers.h"
#include "window_test.h"

namespace {

using windowtest::make;
using windowtest::raisedBy;
using windowtest::WindowTest;

using InvokersTest = WindowTest;

// What the functions below were called with.
struct Seen {
  rt::Object* receiver = nullptr;
  std::int32_t number = 0;
  rt::Object* object = nullptr;
  int calls = 0;
} seen;

void takeNothing(rt::Object& self) {
  seen.receiver = &self;
  ++seen.calls;
}
void takeInt32(rt::Object& self, std::int32_t i) {
  seen.receiver = &self;
  seen.number = i;
  ++seen.calls;
}
void takeObject(rt::Object& self, rt::Object* o) {
  seen.receiver = &self;
  seen.object = o;
  ++seen.calls;
}
std::int32_t giveInt32(rt::Object& /*self*/) { return 42; }
rt::Ref<rt::Object> giveSelfAt(rt::Object& self, std::int32_t i) {
  seen.number = i;
  return rt::Ref<rt::Object>::retain(&self);
}

rt::Value run(const char* signature, const rt::MethodSlot& fn, rt::Object* receiver,
              const std::vector<rt::Value>* args) {
  return introspection::invokerFor(signature)(fn, receiver, args);
}

TEST_F(InvokersTest, EverySignatureOfTheProgramsMethodsHasOneInvoker) {
  // clang-format off
  std::vector<std::string> expected = {
    "%%", "%%i4", "%i4%", "%%o<Window>", "%o<Window>%", "%o<TextArea>%", "%o<Label>%", "%o<Label>%i4",
    "%o<Oval>%", "%o<Line>%i4", "%o<Timer>%", "%o<BevelButton>%", "%o<BevelButton>%i4", "%%o<BevelButton>",
    "%o<MenuItem>%", "%o<QuitMenuItem>%"};
  // clang-format on
  std::vector<std::string> actual = introspection::signatures();
  std::sort(expected.begin(), expected.end());
  std::sort(actual.begin(), actual.end());
  EXPECT_EQ(actual, expected);
  for (const std::string& s : actual) EXPECT_NE(introspection::invokerFor(s), nullptr) << s;
  EXPECT_NE(introspection::invokerFor("%%"), introspection::invokerFor("%%i4"));
}

TEST_F(InvokersTest, ASignatureWithoutInvokerIsADescriptionError) {
  EXPECT_THROW(introspection::invokerFor("%%d"), std::logic_error);
  EXPECT_THROW(introspection::invokerFor("%o<Window1>%"), std::logic_error);
}

TEST_F(InvokersTest, EveryInvokerRefusesANilReceiverBeforeCallingAnything) {
  seen = {};
  const rt::MethodSlot fn = rt::makeSlot("T.takeNothing", "%%", &takeNothing);
  const std::vector<rt::Value> one = {rt::Value(std::int32_t{1})};
  for (const std::string& s : introspection::signatures()) {
    EXPECT_EQ(raisedBy([&] { introspection::invokerFor(s)(fn, nullptr, &one); }), "NilObjectException") << s;
  }
  EXPECT_EQ(seen.calls, 0);
}

TEST_F(InvokersTest, ParametersComeFromElementZeroOfTheList) {
  seen = {};
  const auto self = make<ui::Window>(ui::WindowClass());
  const auto other = make<ui::Window>(ui::WindowClass());
  const auto label = make<ui::Label>(ui::LabelClass());

  const std::vector<rt::Value> seven = {rt::Value(std::int32_t{7})};
  EXPECT_TRUE(std::holds_alternative<std::monostate>(
      run("%%i4", rt::makeSlot("T.takeInt32", "%%i4", &takeInt32), self.get(), &seven)));
  EXPECT_EQ(seen.receiver, self.get());
  EXPECT_EQ(seen.number, 7);

  // An object parameter is a checked cast: another class comes through as nil.
  const rt::MethodSlot takesWindow = rt::makeSlot("T.takeObject", "%%o<Window>", &takeObject);
  const std::vector<rt::Value> aWindow = {rt::Value(rt::Ref<rt::Object>(other))};
  run("%%o<Window>", takesWindow, self.get(), &aWindow);
  EXPECT_EQ(seen.object, other.get());
  const std::vector<rt::Value> aLabel = {rt::Value(rt::Ref<rt::Object>(label))};
  run("%%o<Window>", takesWindow, self.get(), &aLabel);
  EXPECT_EQ(seen.object, nullptr);
  EXPECT_EQ(seen.calls, 3);
}

TEST_F(InvokersTest, ResultsComeBackAsVariants) {
  const auto self = make<ui::Window>(ui::WindowClass());
  const rt::Value i = run("%i4%", rt::makeSlot("T.giveInt32", "%i4%", &giveInt32), self.get(), nullptr);
  EXPECT_EQ(rt::VariantToInt32(i), 42);

  const std::vector<rt::Value> three = {rt::Value(std::int32_t{3})};
  const rt::Value o =
      run("%o<Label>%i4", rt::makeSlot("T.giveSelfAt", "%o<Label>%i4", &giveSelfAt), self.get(), &three);
  EXPECT_EQ(rt::valueToObject(o).get(), self.get());
  EXPECT_EQ(seen.number, 3);
}

TEST_F(InvokersTest, AMethodOfOneParameterTakesElementZeroAndOneOfNoneReadsNothing) {
  seen = {};
  const auto self = make<ui::Window>(ui::WindowClass());
  const rt::MethodSlot takesInt = rt::makeSlot("T.takeInt32", "%%i4", &takeInt32);
  const rt::MethodSlot takesNothing = rt::makeSlot("T.takeNothing", "%%", &takeNothing);
  const std::vector<rt::Value> none;
  const std::vector<rt::Value> two = {rt::Value(std::int32_t{1}), rt::Value(std::int32_t{2})};
  const std::vector<rt::Value> text = {rt::Value(rt::String("7"))};
  EXPECT_EQ(raisedBy([&] { run("%%i4", takesInt, self.get(), nullptr); }), "NilObjectException");
  EXPECT_EQ(raisedBy([&] { run("%%i4", takesInt, self.get(), &none); }), "RuntimeException");
  EXPECT_EQ(raisedBy([&] { run("%%i4", takesInt, self.get(), &text); }), "RuntimeException");
  EXPECT_EQ(seen.calls, 0);
  run("%%i4", takesInt, self.get(), &two);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_EQ(seen.number, 1);
  // Without parameters the list is not read at all.
  run("%%", takesNothing, self.get(), nullptr);
  run("%%", takesNothing, self.get(), &none);
  run("%%", takesNothing, self.get(), &two);
  EXPECT_EQ(seen.calls, 4);
}

TEST_F(InvokersTest, AFunctionOfAnotherSignatureFailsLoudlyInsteadOfBeingCalled) {
  seen = {};
  const auto self = make<ui::Window>(ui::WindowClass());
  const std::vector<rt::Value> one = {rt::Value(std::int32_t{1})};
  EXPECT_EQ(raisedBy([&] { run("%%i4", rt::makeSlot("T.takeNothing", "%%", &takeNothing), self.get(), &one); }),
            "RuntimeException");
  EXPECT_EQ(seen.calls, 0);
}

}  // namespace
