#include "window/invokers.h"

#include <cstdint>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/value.h"
#include "platform/ui/classes.h"

namespace introspection {

namespace {

// The kinds of result and parameter that the program's methods have: each
// gives its type code, its C++ type in a slot function and its conversion
// from or to a variant.
struct None {
  static std::string code() { return ""; }
};

struct Int32 {
  using Param = std::int32_t;
  using Result = std::int32_t;
  static std::string code() { return "i4"; }
  static std::int32_t argument(const rt::Value& v) { return rt::VariantToInt32(v); }
  static std::int32_t pass(std::int32_t i) { return i; }
  static rt::Value result(std::int32_t i) { return rt::Int32ToVariant(i); }
};

// An object of the class that Cls looks up; its name is the one that
// signature texts write in angle brackets.
template <const rt::ClassRecord& (*Cls)()>
struct Obj {
  using Param = rt::Object*;
  using Result = rt::Ref<rt::Object>;
  static std::string code() { return "o<" + Cls().name.str() + ">"; }
  // A checked cast: an object of another class comes through as nil.
  static rt::Ref<rt::Object> argument(const rt::Value& v) {
    const rt::Ref<rt::Object> obj = rt::valueToObject(v);
    return rt::RuntimeCheckCast(obj.get(), Cls());
  }
  static rt::Object* pass(const rt::Ref<rt::Object>& held) { return held.get(); }
  static rt::Value result(rt::Ref<rt::Object> obj) { return rt::Value(std::move(obj)); }
};

template <class R, class P>
const std::string& signatureOf() {
  static const std::string text = "%" + R::code() + "%" + P::code();
  return text;
}

// The one argument a method of one parameter takes: element 0 of the list.
const rt::Value& firstArgument(const std::vector<rt::Value>& args, const std::string& signature) {
  if (args.empty()) {
    rt::raiseRuntimeException(rt::String("Introspection.Invoke" + signature + ": the argument list is empty"));
  }
  return args[0];
}

template <class R, class P>
rt::Value invoke(const rt::MethodSlot& fn, rt::Object* receiver, const std::vector<rt::Value>* args) {
  const std::string& signature = signatureOf<R, P>();
  const rt::Ref<rt::Object> self = rt::Ref<rt::Object>::retain(receiver);
  if (!self) rt::RaiseNilObjectException();
  if constexpr (std::is_same_v<P, None>) {
    // Without parameters the list is not read.
    if constexpr (std::is_same_v<R, None>) {
      rt::callFn<void()>(fn, signature, *self);
      return {};
    } else {
      return R::result(rt::callFn<typename R::Result()>(fn, signature, *self));
    }
  } else {
    if (!args) rt::RaiseNilObjectException();
    const auto held = P::argument(firstArgument(*args, signature));
    if constexpr (std::is_same_v<R, None>) {
      rt::callFn<void(typename P::Param)>(fn, signature, *self, P::pass(held));
      return {};
    } else {
      return R::result(rt::callFn<typename R::Result(typename P::Param)>(fn, signature, *self, P::pass(held)));
    }
  }
}

struct Row {
  std::string signature;
  rt::Invoker invoker;
};

template <class R, class P = None>
Row row() {
  return Row{signatureOf<R, P>(), &invoke<R, P>};
}

// Every signature of the program's methods. The text of each row is made
// from the same kinds as its invoker, so the two cannot disagree.
const std::vector<Row>& rows() {
  using Window = Obj<ui::WindowClass>;
  using TextArea = Obj<ui::TextAreaClass>;
  using Label = Obj<ui::LabelClass>;
  using Oval = Obj<ui::OvalClass>;
  using Line = Obj<ui::LineClass>;
  using Timer = Obj<ui::TimerClass>;
  using BevelButton = Obj<ui::BevelButtonClass>;
  using MenuItem = Obj<ui::MenuItemClass>;
  using QuitMenuItem = Obj<ui::QuitMenuItemClass>;
  static const std::vector<Row> table = {
      row<None>(),                // %%
      row<None, Int32>(),         // %%i4
      row<Int32>(),               // %i4%
      row<None, Window>(),        // %%o<Window>
      row<Window>(),              // %o<Window>%
      row<TextArea>(),            // %o<TextArea>%
      row<Label>(),               // %o<Label>%
      row<Label, Int32>(),        // %o<Label>%i4
      row<Oval>(),                // %o<Oval>%
      row<Line, Int32>(),         // %o<Line>%i4
      row<Timer>(),               // %o<Timer>%
      row<BevelButton>(),         // %o<BevelButton>%
      row<BevelButton, Int32>(),  // %o<BevelButton>%i4
      row<None, BevelButton>(),   // %%o<BevelButton>
      row<MenuItem>(),            // %o<MenuItem>%
      row<QuitMenuItem>(),        // %o<QuitMenuItem>%
  };
  return table;
}

}  // namespace

rt::Invoker invokerFor(std::string_view signature) {
  for (const Row& r : rows()) {
    if (r.signature == signature) return r.invoker;
  }
  throw std::logic_error("no introspection invoker for the signature \"" + std::string(signature) + "\"");
}

const std::vector<std::string>& signatures() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> out;
    for (const Row& r : rows()) out.push_back(r.signature);
    return out;
  }();
  return texts;
}

}  // namespace introspection
