// The classes of the three control arrays: the cards (Window1.FudaButton),
// the row numerals beside them (Window1.MiniLabel) and the two strokes of the
// cross mark (Window1.Xline). Each is its framework class with two
// constructors added, one taking the element's index and one without
// arguments that makes the new control a copy of the array's first-created
// member.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/framework.h"
#include "platform/ui/slots.h"
#include "window/control_classes.h"
#include "window/invokers.h"
#include "window/layout.h"
#include "window/property_blocks.h"
#include "window/set_properties.h"
#include "window/window1_class.h"

namespace window1 {

namespace {

// --- the constructors ---------------------------------------------------------

// The framework's text-unit setter of a control's class.
using TextUnitSetter = void (*)(rt::Object* control, std::int32_t index, std::uint8_t unit);

// What the constructor without arguments needs to know of its array.
struct ArrayFacts {
  const char* arrayName;    // the name its members are registered under
  TextUnitSetter textUnit;  // null: the class has no text unit to set
  const blocks::StringLiteral& (*block)(std::int32_t index);
  std::int32_t firstCreated;  // the element whose block a new member copies
  bool bindsAction;           // a card's Action goes to the window's FudaButton_Action
};

constexpr ArrayFacts kCards{"FudaButton", ui::BevelButton_TextUnit_Set, blocks::FudaButton, 0, true};
constexpr ArrayFacts kNumerals{"MiniLabel", ui::Label_TextUnit_Set, blocks::MiniLabel, 0, false};
// The cross's element 1 is made first, so a new stroke copies it.
constexpr ArrayFacts kStrokes{"Xline", nullptr, blocks::Xline, 1, false};

// Constructor (Int32), the same in the three classes: the index first, then
// the framework's default construction, called directly because slot 13
// holds the constructor without arguments. The window's control creation
// registers and sets the control afterwards.
void constructWithIndex(rt::Object& self, std::int32_t index) {
  const rt::Ref<rt::Object> me = rt::Ref<rt::Object>::retain(&self);
  ui::Control_Index_Set(me.get(), 0, index);
  ui::RectControl_Constructor(me.get());
}

// Constructor (): the first-created member's text unit and block, for a card
// its Action hooked to the window, Index 0, registration in the control's own
// window, default construction. A step that raises ends the constructor
// there: what was done stays done, the references held here are released and
// the exception goes on to the caller. The receiver is a reference, so a nil
// self never gets this far (the introspection invoker refuses it).
void constructAsFirstMember(rt::Object& self, const ArrayFacts& array) {
  const rt::Ref<rt::Object> me = rt::Ref<rt::Object>::retain(&self);
  if (array.textUnit) array.textUnit(me.get(), 0, 0);
  _SetProperties(me.get(), blocks::toString(array.block(array.firstCreated)));

  if (array.bindsAction) {
    // No window, or one that is no Window1, has no FudaButton_Action.
    const rt::Ref<rt::Object> window = rt::RuntimeCheckCast(ui::Control_Window_Get(me.get(), 0).get(), Window1Class());
    if (!window) rt::RaiseNilObjectException();
    const rt::Ref<rt::Delegate> delegate =
        attachWindowHandler(me.get(), *window, ui::event::kBevelButtonAction,
                            rt::AddHandlerStub<ui::event::kBevelButtonAction>, kFudaButtonActionSlot);
  }

  ui::Control_Index_Set(me.get(), 0, 0);

  const rt::Ref<rt::Object> window = ui::Control_Window_Get(me.get(), 0);
  if (!window) rt::RaiseNilObjectException();
  rt::callSlot<void(const rt::String&, rt::Object*)>(
      *window, ui::slot::kWindowAddControl, ui::slot::kWindowAddControlSig, rt::String(array.arrayName), me.get());
  ui::RectControl_Constructor(me.get());
}

void FudaButton_Constructor(rt::Object& self) { constructAsFirstMember(self, kCards); }
void MiniLabel_Constructor(rt::Object& self) { constructAsFirstMember(self, kNumerals); }
void Xline_Constructor(rt::Object& self) { constructAsFirstMember(self, kStrokes); }

// --- the class records ----------------------------------------------------------

// Slot 13 holds RectControl.Constructor in every framework control class;
// the array classes put their constructor without arguments there.
constexpr std::size_t kConstructorSlot = 13;

struct ArrayClassTable {
  const char* name;
  const rt::ClassRecord* (*super)();
  // Method info, interfaces, events, fifth, properties, class attributes;
  // all but the two own method-info entries and the class attribute are
  // the superclass's.
  rt::ClassCounts counts;
  std::size_t slotCount;                  // the superclass's slots and the index constructor behind them
  void (*constructor)(rt::Object& self);  // the one without arguments
  // The first of the three slots where the superclass's method table holds
  // _MouseDown, _MouseDrag and _MouseUp, for a class whose _MouseEvents
  // entry is filled afresh; none for a class without that interface.
  std::optional<std::size_t> mouseEventsFrom;
};

// Tables are laid out as tables.
// clang-format off
constexpr ArrayClassTable kFudaButtonTable{
  .name = "Window1.FudaButton",
  .super = [] { return &ui::BevelButtonClass(); },
  .counts = {.methodInfo = 134, .interfaces = 0, .events = 20, .fifth = 0, .properties = 55, .classAttributes = 1},
  .slotCount = 36,
  .constructor = FudaButton_Constructor,
  .mouseEventsFrom = std::nullopt,
};
constexpr ArrayClassTable kMiniLabelTable{
  .name = "Window1.MiniLabel",
  .super = [] { return &ui::LabelClass(); },
  .counts = {.methodInfo = 112, .interfaces = 1, .events = 19, .fifth = 0, .properties = 47, .classAttributes = 1},
  .slotCount = 31,
  .constructor = MiniLabel_Constructor,
  .mouseEventsFrom = 27,
};
constexpr ArrayClassTable kXlineTable{
  .name = "Window1.Xline",
  .super = [] { return &ui::LineClass(); },
  .counts = {.methodInfo = 92, .interfaces = 1, .events = 18, .fifth = 0, .properties = 38, .classAttributes = 1},
  .slotCount = 30,
  .constructor = Xline_Constructor,
  .mouseEventsFrom = 26,
};
// clang-format on

// The filler of a class's _MouseEvents entry: the interface, and a new table
// of the superclass's _MouseDown, _MouseDrag and _MouseUp.
rt::InterfaceDecl mouseEventsEntry(const rt::ClassRecord& super, std::size_t first) {
  return rt::InterfaceDecl{.lookup = ui::MouseEventsInterface,
                           .table = {super.vtable.at(first), super.vtable.at(first + 1), super.vtable.at(first + 2)}};
}

void buildArrayClass(const rt::ClassRecord*& cache, const ArrayClassTable& t) {
  if (cache) return;
  const std::string member = std::string(t.name) + ".Constructor";
  const rt::MethodSlot withIndex = rt::makeSlot(member, "%%i4", &constructWithIndex);
  const rt::MethodSlot withoutArguments = rt::makeSlot(member, "%%", t.constructor);
  rt::ClassSpec desc{
      .name = t.name,
      .superLookup = t.super,
      .counts = t.counts,
      .slotCount = t.slotCount,
      .slots = {{kConstructorSlot, withoutArguments}, {t.slotCount - 1, withIndex}},
      .methodInfo = {{.name = "Constructor",
                      .flags = 1,
                      .signature = "%%i4",
                      .function = withIndex,
                      .invoker = introspection::invokerFor("%%i4")},
                     {.name = "Constructor",
                      .flags = 1,
                      .signature = "%%",
                      .function = withoutArguments,
                      .invoker = introspection::invokerFor("%%")}},
      .classAttributes = {{"__Scope", "Private"}},
  };
  if (t.mouseEventsFrom) desc.interfaces.push_back(mouseEventsEntry(*t.super(), *t.mouseEventsFrom));
  rt::buildClass(cache, desc);
}

// The module-level caches: nil until the builder runs, then the record for
// the rest of the process.
const rt::ClassRecord* gFudaButtonClass = nullptr;
const rt::ClassRecord* gMiniLabelClass = nullptr;
const rt::ClassRecord* gXlineClass = nullptr;

}  // namespace

void buildFudaButtonClass() { buildArrayClass(gFudaButtonClass, kFudaButtonTable); }
void buildMiniLabelClass() { buildArrayClass(gMiniLabelClass, kMiniLabelTable); }
void buildXlineClass() { buildArrayClass(gXlineClass, kXlineTable); }

const rt::ClassRecord& FudaButtonClass() {
  if (!gFudaButtonClass) buildFudaButtonClass();
  return *gFudaButtonClass;
}

const rt::ClassRecord& MiniLabelClass() {
  if (!gMiniLabelClass) buildMiniLabelClass();
  return *gMiniLabelClass;
}

const rt::ClassRecord& XlineClass() {
  if (!gXlineClass) buildXlineClass();
  return *gXlineClass;
}

}  // namespace window1
