// The framework operations the program calls as free functions, the bevel
// button's plug-in entries, and the controls' own behaviour: clicks, rows,
// timers and their action receivers.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/events.h"
#include "platform/runtime/fields.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/slots.h"
#include "platform/ui/window.h"
#include "support.h"

namespace {

using uitest::make;
using uitest::raised;

struct Call {
  const char* function;
  std::function<void(rt::Object*)> run;
};

// Every free function, with an argument its class accepts besides the object.
std::vector<Call> allCalls() {
  return {
      {"RectControl.Visible.Set", [](rt::Object* o) { ui::RectControl_Visible_Set(o, 0, true); }},
      {"RectControl.Visible.Get", [](rt::Object* o) { ui::RectControl_Visible_Get(o, 0); }},
      {"Control.Index.Get", [](rt::Object* o) { ui::Control_Index_Get(o, 0); }},
      {"Control.Index.Set", [](rt::Object* o) { ui::Control_Index_Set(o, 0, 1); }},
      {"Control.Window.Get", [](rt::Object* o) { ui::Control_Window_Get(o, 0); }},
      {"TextArea.Text.Set", [](rt::Object* o) { ui::TextArea_Text_Set(o, 0, "x"); }},
      {"TextArea.LineSpacing.Set", [](rt::Object* o) { ui::TextArea_LineSpacing_Set(o, 0, 1.0); }},
      {"TextArea.TextUnit.Set", [](rt::Object* o) { ui::TextArea_TextUnit_Set(o, 0, 0); }},
      {"Label.TextUnit.Set", [](rt::Object* o) { ui::Label_TextUnit_Set(o, 0, 0); }},
      {"BevelButton.Caption.Set", [](rt::Object* o) { ui::BevelButton_Caption_Set(o, 0, "x"); }},
      {"BevelButton.TextSize.Set", [](rt::Object* o) { ui::BevelButton_TextSize_Set(o, 0, 24.0f); }},
      {"BevelButton.TextUnit.Set", [](rt::Object* o) { ui::BevelButton_TextUnit_Set(o, 0, 0); }},
      {"RectControl.Constructor", [](rt::Object* o) { ui::RectControl_Constructor(o); }},
      {"Window.MenuBar.Get", [](rt::Object* o) { ui::Window_MenuBar_Get(o, 0); }},
      {"Window.MenuBar.Set", [](rt::Object* o) { ui::Window_MenuBar_Set(o, 0, nullptr); }},
      {"Application.MenuBar.Set", [](rt::Object* o) { ui::Application_MenuBar_Set(o, 0, nullptr); }},
      {"MenuItem.Constructor", [](rt::Object* o) { ui::MenuItem_Constructor(o); }},
      {"MenuItem.Name.Set", [](rt::Object* o) { ui::MenuItem_Name_Set(o, 0, "x"); }},
      {"MenuItem.Text.Set", [](rt::Object* o) { ui::MenuItem_Text_Set(o, 0, "x"); }},
      {"MenuItem.KeyboardShortcut.Set", [](rt::Object* o) { ui::MenuItem_KeyboardShortcut_Set(o, 0, "x"); }},
      {"MenuItem.AutoEnable.Set", [](rt::Object* o) { ui::MenuItem_AutoEnable_Set(o, 0, true); }},
  };
}

class FrameworkFunctions : public uitest::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ui::RuntimeInitPluginEntrypoints();
  }
};

TEST_F(FrameworkFunctions, NilRaisesNilObjectException) {
  for (const Call& c : allCalls()) {
    EXPECT_EQ(raised([&] { c.run(nullptr); }).className, "NilObjectException") << c.function;
  }
}

TEST_F(FrameworkFunctions, AnObjectOfAnotherClassRaisesNamingTheFunctionAndTheClass) {
  // A delegate is no model at all; a menu item is no control and a label is
  // neither window, menu nor application.
  rt::Ref<rt::Object> delegate = rt::RuntimeNewObject(rt::DelegateClass());
  rt::Ref<ui::Label> label = make<ui::Label>(ui::LabelClass());
  for (const Call& c : allCalls()) {
    const std::string f = c.function;
    const bool takesLabels = f.starts_with("RectControl.") || f.starts_with("Control.") || f.starts_with("Label.");
    rt::Object* wrong = takesLabels ? delegate.get() : label.get();
    auto r = raised([&] { c.run(wrong); });
    EXPECT_EQ(r.className, "RuntimeException") << f;
    EXPECT_NE(r.message.find(f), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(wrong->classRecord().name.str()), std::string::npos) << r.message;
  }
}

TEST_F(FrameworkFunctions, AnIndexArgumentOtherThanZeroRaises) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  EXPECT_EQ(raised([&] { ui::RectControl_Visible_Set(b.get(), 1, false); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { ui::BevelButton_Caption_Set(b.get(), 2, "x"); }).className, "RuntimeException");
  EXPECT_TRUE(b->visible());
  EXPECT_EQ(b->caption().str(), "");
}

TEST_F(FrameworkFunctions, TheBevelButtonSettersGoThroughThePluginTable) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  ui::BevelButton_TextSize_Set(b.get(), 0, 24.0f);
  ui::BevelButton_TextUnit_Set(b.get(), 0, 2);
  ui::BevelButton_Caption_Set(b.get(), 0, "0");
  EXPECT_EQ(b->textSize(), 24.0);
  EXPECT_EQ(b->textUnit(), 2);
  EXPECT_EQ(b->caption().str(), "0");
  const rt::MethodSlot& getter = rt::RuntimeLookupPluginEntrypoint("BevelButton.Caption.Get");
  rt::Value v = rt::callPlain<rt::Value(rt::Object*, std::int32_t)>(getter, "%s%o<BevelButton>i4", b.get(), 0);
  EXPECT_EQ(rt::valueToString(v).str(), "0");
  EXPECT_EQ(raised([&] { ui::BevelButton_TextUnit_Set(b.get(), 0, 7); }).className, "RuntimeException");
  EXPECT_EQ(b->textUnit(), 2);
}

TEST_F(FrameworkFunctions, BeforeThePluginTableIsFilledTheBevelButtonSettersRaiseSayingSo) {
  rt::RuntimeAllocatePluginEntrypointsTable(70);
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  for (const Call& c : allCalls()) {
    if (!std::string(c.function).starts_with("BevelButton.")) continue;
    auto r = raised([&] { c.run(b.get()); });
    EXPECT_NE(r.message.find("plug-in entry table is not filled"), std::string::npos)
        << c.function << ": " << r.message;
  }
}

TEST_F(FrameworkFunctions, ThePluginTableHoldsSeventyEntriesOfTheBevelButton) {
  EXPECT_EQ(rt::pluginEntrypointCapacity(), 70u);
  EXPECT_EQ(rt::pluginEntrypointCount(), 70u);
  for (const char* text : {"BevelButton.Caption.Set", "BevelButton.Caption.Get", "BevelButton.TextSize.Set",
                           "BevelButton.TextUnit.Set", "BevelButton.HasMenu.Get", "BevelButton.Cancel.Set",
                           "BevelButton.AddRow", "BevelButton.=List", "BevelButton.Constructor", "BevelButton.Push"}) {
    EXPECT_EQ(rt::RuntimeLookupPluginEntrypoint(text).member, text);
  }
  EXPECT_EQ(raised([] { rt::RuntimeLookupPluginEntrypoint("BevelButton.Visible.Set"); }).className, "RuntimeException");
  ui::RuntimeInitPluginEntrypoints();  // a second fill replaces the first
  EXPECT_EQ(rt::pluginEntrypointCount(), 70u);
}

TEST_F(FrameworkFunctions, ControlSettersReachTheirModels) {
  rt::Ref<ui::TextArea> area = make<ui::TextArea>(ui::TextAreaClass());
  ui::TextArea_LineSpacing_Set(area.get(), 0, 1.0);
  ui::TextArea_TextUnit_Set(area.get(), 0, 0);
  ui::TextArea_Text_Set(area.get(), 0, "あきの田の");
  EXPECT_EQ(area->text().str(), "あきの田の");
  EXPECT_EQ(area->lineSpacing(), 1.0);
  rt::Ref<ui::Label> label = make<ui::Label>(ui::LabelClass());
  ui::Label_TextUnit_Set(label.get(), 0, 1);
  EXPECT_EQ(label->textUnit(), 1);
  ui::RectControl_Visible_Set(label.get(), 0, false);
  EXPECT_FALSE(ui::RectControl_Visible_Get(label.get(), 0));
  ui::Control_Index_Set(label.get(), 0, 4);
  EXPECT_EQ(ui::Control_Index_Get(label.get(), 0), 4);
  EXPECT_EQ(ui::Control_Window_Get(label.get(), 0), nullptr);
  ui::RectControl_Constructor(label.get());
  EXPECT_TRUE(label->constructed());
}

TEST_F(FrameworkFunctions, AProgramTimersIndexIsItsOwnField) {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "FrameworkTest.Timer1";
  desc.superLookup = [] { return &ui::TimerClass(); };
  desc.counts = {12, 1, 1, 0, 5, 0};
  desc.ownFieldBytes = 4;
  desc.slotCount = 4;
  desc.properties = {rt::PropertyDecl{
      .name = "Index", .type = "i4", .getter = rt::Int32_GetValue, .setter = rt::Int32_SetValue, .fieldStorage = true}};
  rt::Ref<ui::Timer> t = make<ui::Timer>(rt::buildClass(cache, desc));
  EXPECT_EQ(ui::Control_Index_Get(t.get(), 0), 0);  // a zeroed field
  ui::Control_Index_Set(t.get(), 0, -5);
  EXPECT_EQ(rt::Int32_Get(*t, t->classRecord().properties[4].storage), -5);
  EXPECT_EQ(t->index(), -5);
}

TEST_F(FrameworkFunctions, MenuBarsAreSetOnlyToMenuBars) {
  rt::Ref<ui::Window> w = make<ui::Window>(ui::WindowClass());
  rt::Ref<ui::MenuBar> bar = make<ui::MenuBar>(ui::MenuBarClass());
  rt::Ref<ui::MenuItem> plain = make<ui::MenuItem>(ui::MenuItemClass());
  EXPECT_EQ(raised([&] { ui::Window_MenuBar_Set(w.get(), 0, plain.get()); }).className, "RuntimeException");
  ui::Window_MenuBar_Set(w.get(), 0, bar.get());
  EXPECT_EQ(ui::Window_MenuBar_Get(w.get(), 0).get(), bar.get());
  rt::Ref<ui::Application> app = make<ui::Application>(ui::ApplicationClass());
  EXPECT_EQ(raised([&] { ui::Application_MenuBar_Set(app.get(), 0, w.get()); }).className, "RuntimeException");
  ui::Application_MenuBar_Set(app.get(), 0, bar.get());
  EXPECT_EQ(app->menuBar().get(), bar.get());
  EXPECT_EQ(bar->refCount(), 3);  // this test, the window and the application
}

TEST_F(FrameworkFunctions, MenuItemSettersReachTheItem) {
  rt::Ref<ui::MenuItem> m = make<ui::MenuItem>(ui::MenuItemClass());
  ui::MenuItem_Constructor(m.get());
  ui::MenuItem_Name_Set(m.get(), 0, "FileQuit");
  ui::MenuItem_AutoEnable_Set(m.get(), 0, true);
  ui::MenuItem_Text_Set(m.get(), 0, "終了");
  ui::MenuItem_KeyboardShortcut_Set(m.get(), 0, "Cmd+Q");
  EXPECT_EQ(m->name().str(), "FileQuit");
  EXPECT_TRUE(m->autoEnable());
  EXPECT_EQ(m->text().str(), "終了");
  EXPECT_EQ(m->keyboardShortcut().str(), "Cmd+Q");
}

// --- clicks, rows, timers ----------------------------------------------------------

std::vector<rt::Object*>& senders() {
  static std::vector<rt::Object*> s;
  return s;
}
void onAction(rt::Object& /*target*/, rt::Object* sender) { senders().push_back(sender); }

class ControlBehaviour : public uitest::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    senders().clear();
  }
  // Hooks the button's Action the way the program does: a delegate on a
  // target it holds weakly, attached through the event's stub.
  void hookAction(ui::BevelButton& b, rt::Object& target) {
    rt::Ref<rt::Delegate> d = rt::RuntimeCreateDelegate(rt::DelegateInvokeOneObject(),
                                                        rt::makeSlot("Test.onAction", "%%o<BevelButton>", &onAction),
                                                        &target, "( BevelButton )", 1);
    rt::RuntimeAddEventHandler(b, ui::event::kBevelButtonAction, &rt::AddHandlerStub<ui::event::kBevelButtonAction>,
                               *d);
  }
};

TEST_F(ControlBehaviour, APushRaisesActionWithTheButtonAsSender) {
  rt::Ref<ui::Window> target = make<ui::Window>(ui::WindowClass());
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  hookAction(*b, *target);
  b->push();
  b->push();
  EXPECT_EQ(senders(), (std::vector<rt::Object*>{b.get(), b.get()}));
}

TEST_F(ControlBehaviour, ADisabledButtonIgnoresPushes) {
  rt::Ref<ui::Window> target = make<ui::Window>(ui::WindowClass());
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  hookAction(*b, *target);
  b->setProperty("Enabled", false);
  b->push();
  EXPECT_TRUE(senders().empty());
}

TEST_F(ControlBehaviour, ToggleAndStickyButtonsChangeTheirValueOnAPush) {
  struct Row {
    std::int32_t type;
    std::vector<bool> values;  // after each of three pushes
  };
  for (const Row& row : {Row{0, {false, false, false}}, Row{1, {true, false, true}}, Row{2, {true, true, true}}}) {
    rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
    b->setProperty("ButtonType", row.type);
    for (bool expected : row.values) {
      b->push();
      EXPECT_EQ(b->value(), expected) << "type " << row.type;
    }
  }
}

TEST_F(ControlBehaviour, TheButtonsRowsAreKeptInOrderAndCheckedForRange) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  rt::Object& o = *b;
  rt::callSlot<void(const rt::String&)>(o, 27, "%%s", rt::String("壱"));
  rt::callSlot<void()>(o, 28, "%%");
  rt::callSlot<void(std::int32_t, const rt::String&)>(o, 30, "%%i4s", 0, rt::String("零"));
  rt::callSlot<void(std::int32_t, const rt::String&)>(o, 34, "%%i4s", 2, rt::String("弐"));
  std::vector<std::string> rows;
  for (std::int32_t i = 0; i < 3; ++i) rows.push_back(rt::callSlot<rt::String(std::int32_t)>(o, 31, "%s%i4", i).str());
  EXPECT_EQ(rows, (std::vector<std::string>{"零", "壱", "弐"}));
  EXPECT_EQ(raised([&] { rt::callSlot<rt::String(std::int32_t)>(o, 31, "%s%i4", 3); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { rt::callSlot<void(std::int32_t)>(o, 29, "%%i4", -1); }).className, "RuntimeException");
  rt::callSlot<void(std::int32_t)>(o, 29, "%%i4", 1);
  EXPECT_EQ(b->rowCount(), 2u);
  rt::callSlot<void()>(o, 26, "%%");
  EXPECT_EQ(b->rowCount(), 0u);
}

void performAction(rt::Object& /*receiver*/, rt::Object* sender) { senders().push_back(sender); }

// A label that takes action notifications.
const rt::ClassRecord& ReceiverClass() {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "FrameworkTest.Receiver";
  desc.superLookup = [] { return &ui::LabelClass(); };
  desc.counts = {110, 2, 19, 0, 47, 0};
  desc.slotCount = 30;
  desc.interfaces = {rt::InterfaceDecl{ui::ActionNotificationReceiverInterface,
                                       {rt::makeSlot("Receiver.PerformAction", "%%o<Object>", &performAction)}}};
  return rt::buildClass(cache, desc);
}

TEST_F(ControlBehaviour, ATimerWithoutHandlerOrReceiversFiresWithoutEffect) {
  rt::Ref<ui::Timer> t = make<ui::Timer>(ui::TimerClass());
  t->setProperty("Mode", std::int32_t{2});
  uitest::RecordingObserver seen;
  t->setObserver(&seen);
  rt::callSlot<void()>(*t, ui::slot::kTimerCallAction, "%%");
  t->elapse(5000);
  EXPECT_TRUE(seen.changed.empty());
  EXPECT_EQ(t->mode(), 2);
}

TEST_F(ControlBehaviour, ATimerTellsItsReceiversOncePerPeriodAndASingleShotOnlyOnce) {
  rt::Ref<ui::Timer> t = make<ui::Timer>(ui::TimerClass());
  rt::Ref<ui::Label> receiver = make<ui::Label>(ReceiverClass());
  rt::callSlot<void(rt::Object*)>(*t, 1, "%%o<actionNotificationReceiver>", receiver.get());
  t->setProperty("Mode", std::int32_t{2});
  t->elapse(2500);
  EXPECT_EQ(senders().size(), 2u);
  t->elapse(499);
  EXPECT_EQ(senders().size(), 2u);
  t->setProperty("Mode", std::int32_t{1});
  t->elapse(3000);
  EXPECT_EQ(senders().size(), 3u);
  EXPECT_EQ(t->mode(), 0);
  EXPECT_EQ(senders().back(), t.get());
  rt::callSlot<void(rt::Object*)>(*t, 2, "%%o<actionNotificationReceiver>", receiver.get());
  t->setProperty("Mode", std::int32_t{2});
  t->fire();
  EXPECT_EQ(senders().size(), 3u);
}

TEST_F(ControlBehaviour, OnlyActionNotificationReceiversCanBeAdded) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  rt::Ref<ui::Label> plain = make<ui::Label>(ui::LabelClass());
  EXPECT_EQ(raised([&] { b->addActionNotificationReceiver(plain.get()); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { b->addActionNotificationReceiver(nullptr); }).className, "NilObjectException");
  rt::Ref<ui::Label> receiver = make<ui::Label>(ReceiverClass());
  b->addActionNotificationReceiver(receiver.get());
  b->addActionNotificationReceiver(receiver.get());
  EXPECT_EQ(b->actionReceivers().count(), 1u);
  b->push();
  EXPECT_EQ(senders(), std::vector<rt::Object*>{b.get()});
  receiver.reset();  // held weakly: a receiver that is gone is skipped
  b->push();
  EXPECT_EQ(senders().size(), 1u);
}

TEST_F(ControlBehaviour, TheMouseInterfaceOfALabelReachesItsMouseMembers) {
  rt::Ref<ui::Label> label = make<ui::Label>(ui::LabelClass());
  const rt::InterfaceEntry& mouse = label->classRecord().interfaces.at(0);
  const bool handled = rt::callFn<bool(std::int32_t, std::int32_t)>(mouse.table[0], "%b%i4i4", *label, 12, 34);
  EXPECT_FALSE(handled);  // no MouseDown handler
  EXPECT_EQ(label->property("MouseX"), rt::Value(std::int32_t{12}));
  rt::callFn<void(std::int32_t, std::int32_t)>(mouse.table[2], "%%i4i4", *label, 56, 78);
  EXPECT_EQ(label->property("MouseY"), rt::Value(std::int32_t{78}));
}

TEST_F(ControlBehaviour, DropTypesAreRecordedOnceEach) {
  rt::Ref<ui::Oval> oval = make<ui::Oval>(ui::OvalClass());
  rt::Object& o = *oval;
  rt::callSlot<void(const rt::String&)>(o, 9, "%%s", rt::String("text/plain"));
  rt::callSlot<void()>(o, 7, "%%");
  rt::callSlot<void(const rt::String&)>(o, 9, "%%s", rt::String("text/plain"));
  EXPECT_EQ(oval->acceptedDropTypes().str(), "file:text/plain\ntext");
  EXPECT_FALSE(
      rt::callSlot<bool(std::int32_t, std::int32_t, std::int32_t, std::int32_t)>(o, 18, "%b%i4i4i4i4", 0, 0, 0, 1));
}

bool menuHandlerAnswersYes(rt::Object& /*receiver*/) { return true; }

// The slot a caller hands to _AddMenuHandler may be gone before the command
// comes; the handler must still run.
TEST_F(ControlBehaviour, MenuHandlersOutliveTheSlotTheyWereAddedFrom) {
  rt::Ref<ui::Window> window = make<ui::Window>(ui::WindowClass());
  rt::Ref<ui::Application> app = make<ui::Application>(ui::ApplicationClass());
  struct Receiver {
    rt::Object& object;
    std::size_t addSlot, handleSlot;
  };
  for (const Receiver& r : {Receiver{*window, 18, 31}, Receiver{*app, 3, 13}}) {
    auto handler = std::make_unique<rt::MethodSlot>(rt::makeSlot("Test.yes", "%b%", &menuHandlerAnswersYes));
    rt::callSlot<void(const rt::String&, const rt::MethodSlot*)>(r.object, r.addSlot, "%%sp", rt::String("FileOpen"),
                                                                 handler.get());
    handler.reset();
    EXPECT_TRUE((rt::callSlot<bool(const rt::String&)>(r.object, r.handleSlot, "%b%s", rt::String("FileOpen"))));
    EXPECT_FALSE((rt::callSlot<bool(const rt::String&)>(r.object, r.handleSlot, "%b%s", rt::String("FileSave"))));
  }
}

}  // namespace
