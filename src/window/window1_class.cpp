#include "window/window1_class.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/menu_accessors.h"
#include "game/dealing.h"
#include "game/judging.h"
#include "game/steps.h"
#include "platform/runtime/fields.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/framework.h"
#include "platform/ui/slots.h"
#include "window/accessors.h"
#include "window/invokers.h"
#include "window/layout.h"

namespace window1 {

namespace {

const rt::ClassRecord* gRecord = nullptr;

// Window's 51 slots come first.
constexpr std::size_t kFirstOwnSlot = 51;

const rt::ClassRecord* windowSuper() { return &ui::WindowClass(); }

// One own member: its slot, its name, its signature and its function.
struct OwnMethod {
  std::size_t slot;
  std::string name;
  std::string signature;
  rt::MethodSlot function;
  bool hidden = false;
};

template <class Fn>
OwnMethod method(std::size_t slot, const char* name, const char* signature, Fn fn, bool hidden = false) {
  return OwnMethod{slot, name, signature, rt::makeSlot(std::string("Window1.") + name, signature, fn), hidden};
}

OwnMethod accessor(const AccessorEntry& a) { return OwnMethod{a.slot, a.name, a.signature, a.slotEntry()}; }

constexpr bool kHidden = true;

// Slots 51 to 79, in slot order; the method-info entries follow the same order.
std::vector<OwnMethod> ownMethods() {
  std::vector<OwnMethod> own = {
      method(51, "Layout", "%%", &Layout),
      method(52, "CreateControls", "%%", &CreateControls),
      method(kCreateControls0Slot, "_CreateControls0", "%%", &_CreateControls0, kHidden),
  };
  for (const AccessorEntry& a : kAccessors) own.push_back(accessor(a));
  own.push_back(method(kStartButtonActionSlot, "StartButton_Action", kButtonHandlerSig, &game::StartButton_Action));
  own.push_back(method(kFudaButtonActionSlot, "FudaButton_Action", kButtonHandlerSig, &game::FudaButton_Action));
  own.push_back(method(kTokutenButtonOpenSlot, "TokutenButton_Open", kButtonHandlerSig, &game::TokutenButton_Open));
  for (const AccessorEntry& a : kMenuAccessors) own.push_back(accessor(a));
  own.push_back(method(78, "Event_Open", "%%", &game::Event_Open));
  own.push_back(method(79, "FUDA", "%%", &game::FUDA));
  return own;
}

// A game counter: a signed 32-bit field of the window's own, public and
// writable.
rt::PropertyDecl counter(const char* name, std::uint32_t position) {
  return rt::PropertyDecl{.name = name,
                          .flags = 5,
                          .type = "i4",
                          .storage = position,
                          .getter = rt::Int32_GetValue,
                          .setter = rt::Int32_SetValue,
                          .valueGetter = rt::Int32_Introspection_GetValue,
                          .valueSetter = rt::Int32_Introspection_SetValue,
                          .fieldStorage = true};
}

}  // namespace

void buildWindow1Class() {
  if (gRecord) return;
  rt::ClassSpec desc;
  desc.name = "Window1.Window1";
  desc.superLookup = windowSuper;
  desc.counts = {.methodInfo = 159, .interfaces = 0, .events = 33, .fifth = 0, .properties = 52, .classAttributes = 1};
  desc.ownFieldBytes = 12;  // Kaisu, Key, Tokuten
  desc.slotCount = 80;

  const std::vector<OwnMethod> own = ownMethods();
  for (std::size_t i = 0; i < own.size(); ++i) {
    const OwnMethod& m = own[i];
    // The method-info entries are listed in slot order, one per own slot.
    if (m.slot != kFirstOwnSlot + i) throw std::logic_error("Window1: " + m.name + " is out of slot order");
    desc.slots.emplace_back(m.slot, m.function);
    desc.methodInfo.push_back(rt::MethodInfoDecl{.name = m.name,
                                                 .signature = m.signature,
                                                 .function = m.function,
                                                 .invoker = introspection::invokerFor(m.signature),
                                                 .hidden = m.hidden});
  }
  auto slotOf = [&own](std::size_t slot) { return own[slot - kFirstOwnSlot].function; };
  desc.boundEvents = {
      {ui::event::kWindowLayout, slotOf(51)},
      {ui::event::kWindowCreateControls, slotOf(52)},
      {ui::event::kWindowOpen, slotOf(78)},
  };
  desc.properties = {counter("Kaisu", 0), counter("Key", 4), counter("Tokuten", 8)};
  desc.classAttributes = {{"__Scope", "Public"}};
  rt::buildClass(gRecord, desc);
}

const rt::ClassRecord& Window1Class() {
  if (!gRecord) buildWindow1Class();
  return *gRecord;
}

rt::Ref<rt::Object> Window1Instance() {
  static const rt::String kClassName("Window1.Window1");
  rt::Ref<rt::Object> window = ui::RuntimeGetImplicitWindow(kClassName);
  if (!window) {
    // Constructing opens the window: Layout, CreateControls, then the Open
    // events, all run by the framework from the record's event table.
    window = rt::RuntimeNewObject(Window1Class());
    rt::callSlot<void()>(*window, ui::slot::kWindowConstructor, ui::slot::kWindowConstructorSig);
  }
  return rt::RuntimeCheckCast(window.get(), Window1Class());
}

}  // namespace window1
