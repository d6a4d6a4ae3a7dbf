#include "app/invokers.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/value.h"
#include "platform/ui/classes.h"

namespace app {

namespace {

// A signature text as a template argument, so each invoker checks the slot
// it calls against its own text.
template <std::size_t N>
struct Text {
  char chars[N]{};
  constexpr Text(const char (&s)[N]) { std::copy_n(s, N, chars); }  // NOLINT: literals convert
  constexpr std::string_view view() const { return {chars, N - 1}; }
};

// A parameter that is an object of the class the lookup gives.
template <const rt::ClassRecord& (*Cls)()>
struct ObjectOf {};

// How element 0 of the argument list becomes the method's parameter.
template <class P>
struct Param;
template <>
struct Param<std::int32_t> {
  using Held = std::int32_t;
  static Held from(const rt::Value& v) { return rt::VariantToInt32(v); }
  static std::int32_t pass(Held h) { return h; }
};
template <const rt::ClassRecord& (*Cls)()>
struct Param<ObjectOf<Cls>> {
  // Whatever the checked cast yields, nil included, goes to the method.
  using Held = rt::Ref<rt::Object>;
  static Held from(const rt::Value& v) { return rt::RuntimeCheckCast(rt::valueToObject(v).get(), Cls()); }
  static rt::Object* pass(const Held& h) { return h.get(); }
};

template <class R, class Call>
rt::Value result(Call&& call) {
  if constexpr (std::is_void_v<R>) {
    call();
    return rt::Value();
  } else if constexpr (std::is_same_v<R, std::int32_t>) {
    return rt::Int32ToVariant(call());
  } else {
    return rt::Value(call());
  }
}

// R is void, std::int32_t or rt::Ref<rt::Object>.
template <Text Sig, class R>
rt::Value invokeWithoutParameter(const rt::MethodSlot& fn, rt::Object* receiver,
                                 const std::vector<rt::Value>* /*args*/) {
  if (!receiver) rt::RaiseNilObjectException();
  return result<R>([&] { return rt::callFn<R()>(fn, Sig.view(), *receiver); });
}

// P is std::int32_t or ObjectOf<class>.
template <Text Sig, class R, class P>
rt::Value invokeWithParameter(const rt::MethodSlot& fn, rt::Object* receiver, const std::vector<rt::Value>* args) {
  if (!receiver) rt::RaiseNilObjectException();
  if (!args) rt::RaiseNilObjectException();
  if (args->empty()) {
    rt::raiseRuntimeException(rt::String("Introspection.Invoke" + std::string(Sig.view()) + ": no argument given"));
  }
  const typename Param<P>::Held held = Param<P>::from((*args)[0]);
  using Passed = decltype(Param<P>::pass(held));
  return result<R>([&] { return rt::callFn<R(Passed)>(fn, Sig.view(), *receiver, Param<P>::pass(held)); });
}

struct InvokerRow {
  std::string_view signature;
  rt::Invoker invoker;
};

template <Text Sig, class R, class... P>
constexpr InvokerRow row() {
  static_assert(sizeof...(P) <= 1, "the program's methods take at most one parameter");
  if constexpr (sizeof...(P) == 0) {
    return {Sig.view(), &invokeWithoutParameter<Sig, R>};
  } else {
    return {Sig.view(), &invokeWithParameter<Sig, R, P...>};
  }
}

using Obj = rt::Ref<rt::Object>;
using ui::BevelButtonClass;

// clang-format off
const std::array kInvokers = {
  row<"%%",                 void>(),
  row<"%%i4",               void, std::int32_t>(),
  row<"%%o<BevelButton>",   void, ObjectOf<&BevelButtonClass>>(),
  row<"%o<TextArea>%",      Obj>(),
  row<"%o<Label>%",         Obj>(),
  row<"%o<Label>%i4",       Obj, std::int32_t>(),
  row<"%o<Oval>%",          Obj>(),
  row<"%o<Line>%i4",        Obj, std::int32_t>(),
  row<"%o<Timer>%",         Obj>(),
  row<"%o<BevelButton>%",   Obj>(),
  row<"%o<BevelButton>%i4", Obj, std::int32_t>(),
  row<"%o<MenuItem>%",      Obj>(),
  row<"%o<QuitMenuItem>%",  Obj>(),
};
// clang-format on

}  // namespace

rt::Invoker invokerFor(std::string_view signature) {
  for (const InvokerRow& r : kInvokers) {
    if (r.signature == signature) return r.invoker;
  }
  throw std::logic_error("no introspection invoker for the signature \"" + std::string(signature) + "\"");
}

}  // namespace app
