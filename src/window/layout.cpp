// Window1's construction hooks. Layout gives the window its menu bar and its
// settings; _CreateControls0 makes the nineteen controls in a fixed order,
// each registered under its name, set, given its property block and, for the
// buttons, hooked to the window's handlers.
#include "window/layout.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "app/menu_bar1.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/framework.h"
#include "platform/ui/slots.h"
#include "window/accessors.h"
#include "window/control_classes.h"
#include "window/property_blocks.h"
#include "window/set_properties.h"

namespace window1 {

rt::Ref<rt::Delegate> attachWindowHandler(rt::Object* control, rt::Object& window, std::size_t event,
                                          rt::EventStub stub, std::size_t handlerSlot) {
  if (!control) rt::RaiseNilObjectException();
  const auto& table = window.classRecord().vtable;
  const rt::MethodSlot* handler = handlerSlot < table.size() ? &table[handlerSlot] : nullptr;
  // Checked as a call through the slot would be, so a wrong slot fails here
  // and not at the first click.
  rt::SlotCall<void(rt::Object*)>::resolve(window, handler, handlerSlot, kButtonHandlerSig);
  rt::Ref<rt::Delegate> delegate =
      rt::RuntimeCreateDelegate(rt::DelegateInvokeOneObject(), *handler, &window, "( BevelButton )", 1);
  if (!delegate) rt::RaiseNilObjectException();
  rt::RuntimeAddEventHandler(*control, event, stub, *delegate);
  return delegate;
}

void Layout(rt::Object& self) {
  const rt::Ref<rt::Object> window = rt::Ref<rt::Object>::retain(&self);
  {
    const rt::Ref<rt::Object> menuBar = app::MenuBar1Instance();
    ui::Window_MenuBar_Set(window.get(), 0, menuBar.get());
  }
  _SetProperties(window.get(), blocks::toString(blocks::Window1));
}

void CreateControls(rt::Object& self) {
  const rt::Ref<rt::Object> window = rt::Ref<rt::Object>::retain(&self);
  rt::callSlot<void()>(*window, kCreateControls0Slot, "%%");
}

namespace {

// A setting made on a control before its block; no block names these.
using Setting = void (*)(rt::Object* control);

void lineSpacingOne(rt::Object* c) { ui::TextArea_LineSpacing_Set(c, 0, 1.0); }
void textAreaUnitZero(rt::Object* c) { ui::TextArea_TextUnit_Set(c, 0, 0); }
void labelUnitZero(rt::Object* c) { ui::Label_TextUnit_Set(c, 0, 0); }
void buttonUnitZero(rt::Object* c) { ui::BevelButton_TextUnit_Set(c, 0, 0); }
void buttonTextSize24(rt::Object* c) { ui::BevelButton_TextSize_Set(c, 0, 24.0f); }

// A button's event hooked to a handler of the window.
struct Wiring {
  std::size_t event;
  rt::EventStub stub;
  std::size_t handlerSlot;  // in Window1's method table
};

struct ControlRow {
  const char* name;
  std::int32_t index;  // ui::kNoIndex outside an array
  const rt::ClassRecord& (*classMade)();
  // The control's constructor, through its own method table: with the index
  // for an array element, without arguments otherwise.
  std::size_t constructorSlot;
  // The framework class the control is fetched back as; array elements too.
  const rt::ClassRecord& (*castTo)();
  std::vector<Setting> before;  // in order, each on a fresh fetch
  const blocks::StringLiteral* block;
  std::optional<Wiring> wiring;
};

constexpr Wiring kStartAction{ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
                              kStartButtonActionSlot};
constexpr Wiring kCardAction{ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
                             kFudaButtonActionSlot};
constexpr Wiring kScoreOpen{ui::event::kControlOpen, rt::AddHandlerStub<ui::event::kControlOpen>,
                            kTokutenButtonOpenSlot};

constexpr std::size_t kRectControlConstructor = ui::slot::kRectControlConstructor;  // 13
constexpr std::size_t kMiniLabelIndexConstructor = 30;
constexpr std::size_t kXlineIndexConstructor = 29;
constexpr std::size_t kTimer1Constructor = 8;
constexpr std::size_t kFudaButtonIndexConstructor = 35;

// The nineteen controls in creation order. Built on first use: the blocks
// are constants of another file.
const std::vector<ControlRow>& creationOrder() {
  using namespace ui;
  constexpr std::int32_t none = kNoIndex;
  // clang-format off
  static const std::vector<ControlRow> rows = {
    {"OdaiAREA",      none, TextAreaClass,    kRectControlConstructor,     TextAreaClass,    {lineSpacingOne, textAreaUnitZero}, &blocks::OdaiAREA,      std::nullopt},
    {"Label1",        none, LabelClass,       kRectControlConstructor,     LabelClass,       {labelUnitZero},                    &blocks::Label1,        std::nullopt},
    {"MiniLabel",     0,    MiniLabelClass,   kMiniLabelIndexConstructor,  LabelClass,       {labelUnitZero},                    &blocks::MiniLabel(0),  std::nullopt},
    {"MiniLabel",     1,    MiniLabelClass,   kMiniLabelIndexConstructor,  LabelClass,       {labelUnitZero},                    &blocks::MiniLabel(1),  std::nullopt},
    {"MiniLabel",     2,    MiniLabelClass,   kMiniLabelIndexConstructor,  LabelClass,       {labelUnitZero},                    &blocks::MiniLabel(2),  std::nullopt},
    {"MiniLabel",     3,    MiniLabelClass,   kMiniLabelIndexConstructor,  LabelClass,       {labelUnitZero},                    &blocks::MiniLabel(3),  std::nullopt},
    {"MiniLabel",     4,    MiniLabelClass,   kMiniLabelIndexConstructor,  LabelClass,       {labelUnitZero},                    &blocks::MiniLabel(4),  std::nullopt},
    {"Oval1",         none, OvalClass,        kRectControlConstructor,     OvalClass,        {},                                 &blocks::Oval1,         std::nullopt},
    // The cross's element 1 is made before element 0.
    {"Xline",         1,    XlineClass,       kXlineIndexConstructor,      LineClass,        {},                                 &blocks::Xline(1),      std::nullopt},
    {"Xline",         0,    XlineClass,       kXlineIndexConstructor,      LineClass,        {},                                 &blocks::Xline(0),      std::nullopt},
    {"Timer1",        none, Timer1Class,      kTimer1Constructor,          TimerClass,       {},                                 &blocks::Timer1,        std::nullopt},
    {"StartButton",   none, BevelButtonClass, kRectControlConstructor,     BevelButtonClass, {buttonUnitZero},                   &blocks::StartButton,   kStartAction},
    {"FudaButton",    0,    FudaButtonClass,  kFudaButtonIndexConstructor, BevelButtonClass, {buttonUnitZero},                   &blocks::FudaButton(0), kCardAction},
    {"FudaButton",    1,    FudaButtonClass,  kFudaButtonIndexConstructor, BevelButtonClass, {buttonUnitZero},                   &blocks::FudaButton(1), kCardAction},
    {"FudaButton",    2,    FudaButtonClass,  kFudaButtonIndexConstructor, BevelButtonClass, {buttonUnitZero},                   &blocks::FudaButton(2), kCardAction},
    {"FudaButton",    3,    FudaButtonClass,  kFudaButtonIndexConstructor, BevelButtonClass, {buttonUnitZero},                   &blocks::FudaButton(3), kCardAction},
    {"FudaButton",    4,    FudaButtonClass,  kFudaButtonIndexConstructor, BevelButtonClass, {buttonUnitZero},                   &blocks::FudaButton(4), kCardAction},
    {"Label2",        none, LabelClass,       kRectControlConstructor,     LabelClass,       {labelUnitZero},                    &blocks::Label2,        std::nullopt},
    {"TokutenButton", none, BevelButtonClass, kRectControlConstructor,     BevelButtonClass, {buttonTextSize24, buttonUnitZero}, &blocks::TokutenButton, kScoreOpen},
  };
  // clang-format on
  return rows;
}

// The control, fetched afresh from the window by name (and index) and cast
// to the row's framework class.
rt::Ref<rt::Object> fetch(rt::Object& window, const ControlRow& row, const rt::String& name) {
  if (row.index == ui::kNoIndex) return controlByName(&window, name, row.castTo());
  return controlByNameIndex(&window, name, row.index, row.castTo());
}

// Allocated by the window, constructed, registered under its name; the
// reference from the allocation is let go at the end.
void make(rt::Object& window, const ControlRow& row, const rt::String& name) {
  const rt::Ref<rt::Object> control = rt::callSlot<rt::Ref<rt::Object>(const rt::ClassRecord*)>(
      window, ui::slot::kWindowNew, ui::slot::kWindowNewSig, &row.classMade());
  if (row.index == ui::kNoIndex) {
    rt::callSlot<void()>(*control, row.constructorSlot, "%%");
  } else {
    rt::callSlot<void(std::int32_t)>(*control, row.constructorSlot, "%%i4", row.index);
  }
  rt::callSlot<void(const rt::String&, rt::Object*)>(window, ui::slot::kWindowAddControl,
                                                     ui::slot::kWindowAddControlSig, name, control.get());
}

}  // namespace

void _CreateControls0(rt::Object& self) {
  const rt::Ref<rt::Object> window = rt::Ref<rt::Object>::retain(&self);
  // The wired buttons and their delegates stay held until the method ends;
  // the buttons keep their delegates after that.
  std::vector<rt::Ref<rt::Object>> heldToEnd;
  for (const ControlRow& row : creationOrder()) {
    const rt::String name(row.name);
    make(*window, row, name);
    // Each setting, the block and the wiring is a step of its own on the
    // control fetched afresh.
    for (const Setting setting : row.before) setting(fetch(*window, row, name).get());
    _SetProperties(fetch(*window, row, name).get(), blocks::toString(*row.block));
    if (row.wiring) {
      rt::Ref<rt::Object> button = fetch(*window, row, name);
      rt::Ref<rt::Delegate> delegate =
          attachWindowHandler(button.get(), *window, row.wiring->event, row.wiring->stub, row.wiring->handlerSlot);
      heldToEnd.push_back(std::move(button));
      heldToEnd.push_back(std::move(delegate));
    }
  }
}

}  // namespace window1
