// Window1.Timer1, the class of the window's one timer: the framework's Timer
// with an index and a link to its window, both offered to the framework
// through the _PaneChild interface. Nothing handles its Action event.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/fields.h"
#include "platform/ui/classes.h"
#include "window/control_classes.h"
#include "window/invokers.h"

namespace window1 {

namespace {

// The class's own fields, behind Timer's: Index, then ownerWindow on a
// pointer boundary. Positions are relative to the first own field.
constexpr std::uint32_t kIndexField = 0;
constexpr std::uint32_t kOwnerWindowField = 8;
constexpr std::uint32_t kOwnFieldBytes = 16;

std::uint32_t ownField(std::uint32_t position) { return ui::TimerClass().instanceSize + position; }

// _SetWindow (Window): the timer's window from now on, nil allowed. The new
// window's reference is taken before the old one's is let go, so handing in
// the window already held changes nothing.
void Timer1_SetWindow(rt::Object& self, rt::Object* window) {
  const rt::Ref<rt::Object> me = rt::Ref<rt::Object>::retain(&self);
  rt::Object_Set(*me, ownField(kOwnerWindowField), window);
}

// Window (): the window, with a reference for the caller; nil when none is set.
rt::Ref<rt::Object> Timer1_Window(rt::Object& self) { return rt::Object_Get(self, ownField(kOwnerWindowField)); }

std::int32_t Timer1_Index(rt::Object& self) { return rt::Int32_Get(self, ownField(kIndexField)); }

// _SetIndex (Int32): stored as given; any value is an index.
void Timer1_SetIndex(rt::Object& self, std::int32_t index) { rt::Int32_Set(self, ownField(kIndexField), index); }

// Constructor (): a timer needs nothing beyond what the framework gave it;
// Timer's own construction is not called either.
void Timer1_Constructor(rt::Object& /*self*/) {}

// Window1.Timer1.__Exit, run when a timer is destroyed: lets go of its window.
void Timer1_Exit(rt::Object& self) { rt::Object_Set(self, ownField(kOwnerWindowField), nullptr); }

struct OwnMember {
  std::size_t slot;
  const char* name;
  const char* signature;
  bool hidden;  // kept out of the framework's introspection
  rt::MethodSlot function;
};

template <class R, class... A>
OwnMember member(std::size_t slot, const char* name, const char* signature, bool hidden, R (*fn)(rt::Object&, A...)) {
  return OwnMember{slot, name, signature, hidden, rt::makeSlot(std::string("Window1.Timer1.") + name, signature, fn)};
}

rt::PropertyDecl ownProperty(const char* name, std::uint32_t flags, const char* type, std::uint32_t storage,
                             const char* scope) {
  const bool isInt32 = std::string(type) == "i4";
  return rt::PropertyDecl{
      .name = name,
      .flags = flags,
      .type = type,
      .storage = storage,
      .getter = isInt32 ? rt::Int32_GetValue : rt::Object_GetValue,
      .setter = isInt32 ? rt::Int32_SetValue : rt::Object_SetValue,
      .valueGetter = isInt32 ? rt::Int32_Introspection_GetValue : rt::Object_Introspection_GetValue,
      .valueSetter = isInt32 ? rt::Int32_Introspection_SetValue : rt::Object_Introspection_SetValue,
      .scope = scope,
      .fieldStorage = true,
  };
}

const rt::ClassRecord* gTimer1Class = nullptr;

}  // namespace

void buildTimer1Class() {
  if (gTimer1Class) return;
  const rt::ClassRecord& timer = ui::TimerClass();

  // clang-format off
  const std::vector<OwnMember> members = {
    member(4, "_SetWindow",  "%%o<Window>", true,  &Timer1_SetWindow),
    member(5, "Window",      "%o<Window>%", false, &Timer1_Window),
    member(6, "_Index",      "%i4%",        true,  &Timer1_Index),
    member(7, "_SetIndex",   "%%i4",        true,  &Timer1_SetIndex),
    member(8, "Constructor", "%%",          false, &Timer1_Constructor),
  };
  // clang-format on

  rt::ClassSpec desc{
      .name = "Window1.Timer1",
      .superLookup = [] { return &ui::TimerClass(); },
      .counts = {.methodInfo = 17, .interfaces = 2, .events = 1, .fifth = 0, .properties = 6, .classAttributes = 1},
      .ownFieldBytes = kOwnFieldBytes,
      .slotCount = 9,
      .properties = {ownProperty("Index", 5, "i4", kIndexField, "Public"),
                     ownProperty("ownerWindow", 4, "o<Window>", kOwnerWindowField, "Private")},
      .classAttributes = {{"__Scope", "Private"}},
      .interfaces =
          {
              // Timer's own, filled again in its place with Timer's functions.
              {.lookup = ui::ActionSourceInterface, .table = {timer.vtable.at(1), timer.vtable.at(2)}},
              {.lookup = ui::PaneChildInterface,
               .table = {members[0].function, members[1].function, members[2].function, members[3].function}},
          },
      .finalize = Timer1_Exit,
  };
  for (const OwnMember& m : members) {
    desc.slots.emplace_back(m.slot, m.function);
    desc.methodInfo.push_back(rt::MethodInfoDecl{.name = m.name,
                                                 .flags = 1,
                                                 .signature = m.signature,
                                                 .function = m.function,
                                                 .invoker = introspection::invokerFor(m.signature),
                                                 .hidden = m.hidden});
  }
  rt::buildClass(gTimer1Class, desc);
}

const rt::ClassRecord& Timer1Class() {
  if (!gTimer1Class) buildTimer1Class();
  return *gTimer1Class;
}

}  // namespace window1
