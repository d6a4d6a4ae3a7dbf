// The window model: its control registry, its construction order, the open
// windows the framework keeps, and the lifetime of windows and controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/events.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/slots.h"
#include "platform/ui/window.h"
#include "support.h"

namespace {

using uitest::make;
using uitest::raised;

std::vector<std::string>& journal() {
  static std::vector<std::string> log;
  return log;
}

template <const char* Text>
void note(rt::Object&) {
  journal().push_back(Text);
}

void noteControlOpen(rt::Object& self) { journal().push_back("open " + dynamic_cast<ui::Control&>(self).name().str()); }

const rt::ClassRecord& JournalLabelClass();

void makeTwoLabels(rt::Object& self) {
  journal().push_back("CreateControls");
  auto& w = dynamic_cast<ui::Window&>(self);
  for (const char* name : {"First", "Second"}) {
    rt::Ref<ui::Control> c = w.newControl(JournalLabelClass());
    c->construct();
    w.addControl(name, c.get());
  }
}

constexpr char kLayout[] = "Layout";
constexpr char kAddMenuHandlers[] = "AddMenuHandlers";
constexpr char kSetupBindings[] = "SetupBindings";
constexpr char kOpen[] = "Open";

void failingLayout(rt::Object&) { rt::raiseRuntimeException("layout failed"); }

// A label whose record writes its Open event into the journal.
const rt::ClassRecord& JournalLabelClass() {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "WindowTest.JournalLabel";
  desc.superLookup = [] { return &ui::LabelClass(); };
  desc.counts = {110, 1, 19, 0, 47, 0};
  desc.slotCount = 30;
  desc.boundEvents = {{ui::event::kControlOpen, rt::makeSlot("JournalLabel.Open", "%%", &noteControlOpen)}};
  return rt::buildClass(cache, desc);
}

// A window class whose record binds its construction events.
const rt::ClassRecord& JournalWindowClass() {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "WindowTest.JournalWindow";
  desc.superLookup = [] { return &ui::WindowClass(); };
  desc.counts = {130, 0, 33, 0, 49, 0};
  desc.slotCount = 51;
  desc.boundEvents = {
      {ui::event::kWindowLayout, rt::makeSlot("JournalWindow.Layout", "%%", &note<kLayout>)},
      {ui::event::kWindowCreateControls, rt::makeSlot("JournalWindow.CreateControls", "%%", &makeTwoLabels)},
      {2, rt::makeSlot("JournalWindow.AddMenuHandlers", "%%", &note<kAddMenuHandlers>)},
      {3, rt::makeSlot("JournalWindow.SetupBindings", "%%", &note<kSetupBindings>)},
      {ui::event::kWindowOpen, rt::makeSlot("JournalWindow.Open", "%%", &note<kOpen>)},
  };
  return rt::buildClass(cache, desc);
}

const rt::ClassRecord& FailingWindowClass() {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "WindowTest.FailingWindow";
  desc.superLookup = [] { return &ui::WindowClass(); };
  desc.counts = {130, 0, 33, 0, 49, 0};
  desc.slotCount = 51;
  desc.boundEvents = {{ui::event::kWindowLayout, rt::makeSlot("FailingWindow.Layout", "%%", &failingLayout)}};
  return rt::buildClass(cache, desc);
}

class WindowModel : public uitest::FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    journal().clear();
    window_ = make<ui::Window>(ui::WindowClass());
  }
  rt::Ref<ui::Window> window_;

  rt::Ref<ui::Control> add(const char* name, std::int32_t index, const rt::ClassRecord& cls = ui::LineClass()) {
    rt::Ref<ui::Control> c = window_->newControl(cls);
    c->setIndex(index);
    window_->addControl(name, c.get());
    return c;
  }
};

TEST_F(WindowModel, LookupByNameAndIndexFindsTheElementWhateverTheOrderOfCreation) {
  for (std::vector<std::int32_t> order : {std::vector<std::int32_t>{1, 0}, std::vector<std::int32_t>{0, 1}}) {
    window_ = make<ui::Window>(ui::WindowClass());
    std::vector<rt::Ref<ui::Control>> made;
    for (std::int32_t i : order) made.push_back(add("Xline", i));
    for (std::size_t k = 0; k < order.size(); ++k) {
      EXPECT_EQ(window_->controlByNameIndex("Xline", order[k]).get(), made[k].get()) << "index " << order[k];
    }
    // By name alone, the first registered.
    EXPECT_EQ(window_->controlByName("Xline").get(), made[0].get());
  }
}

TEST_F(WindowModel, LookupsGiveNilForAnythingNotRegistered) {
  add("Xline", 0);
  add("Xline", 1);
  add("Oval1", ui::kNoIndex, ui::OvalClass());
  EXPECT_EQ(window_->controlByName("Nothing"), nullptr);
  EXPECT_EQ(window_->controlByName("xline"), nullptr);  // exact bytes
  EXPECT_EQ(window_->controlByNameIndex("Xline", 2), nullptr);
  EXPECT_EQ(window_->controlByNameIndex("Xline", -1), nullptr);
  EXPECT_EQ(window_->controlByNameIndex("Oval1", 0), nullptr);
  EXPECT_NE(window_->controlByNameIndex("Oval1", ui::kNoIndex), nullptr);
}

TEST_F(WindowModel, TheProgramsSlotsCreateRegisterAndFindControls) {
  rt::Object& w = *window_;
  const rt::ClassRecord* cls = &ui::BevelButtonClass();
  rt::Ref<rt::Object> obj =
      rt::callSlot<rt::Ref<rt::Object>(const rt::ClassRecord*)>(w, ui::slot::kWindowNew, ui::slot::kWindowNewSig, cls);
  auto& button = dynamic_cast<ui::BevelButton&>(*obj);
  EXPECT_EQ(button.window().get(), window_.get());
  EXPECT_FALSE(button.constructed());
  EXPECT_EQ(window_->controlByName("FudaButton"), nullptr);  // not registered yet

  rt::callSlot<void()>(button, ui::slot::kRectControlConstructor, ui::slot::kRectControlConstructorSig);
  EXPECT_TRUE(button.constructed());
  EXPECT_TRUE(button.paneCreated());
  button.setIndex(3);
  rt::callSlot<void(const rt::String&, rt::Object*)>(w, ui::slot::kWindowAddControl, ui::slot::kWindowAddControlSig,
                                                     rt::String("FudaButton"), obj.get());
  auto byName = rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(
      w, ui::slot::kWindowControlByName, ui::slot::kWindowControlByNameSig, rt::String("FudaButton"));
  auto byIndex = rt::callSlot<rt::Ref<rt::Object>(const rt::String&, std::int32_t)>(
      w, ui::slot::kWindowControlByNameIndex, ui::slot::kWindowControlByNameIndexSig, rt::String("FudaButton"), 3);
  EXPECT_EQ(byName.get(), obj.get());
  EXPECT_EQ(byIndex.get(), obj.get());
  EXPECT_EQ(button.name().str(), "FudaButton");
  EXPECT_EQ(window_->property("ControlCount"), rt::Value(std::int32_t{1}));
}

TEST_F(WindowModel, OnlyControlClassesCanBeMadeForAWindow) {
  auto r = raised([&] { window_->newControl(ui::MenuItemClass()); });
  EXPECT_EQ(r.className, "RuntimeException");
  EXPECT_NE(r.message.find("MenuItem"), std::string::npos) << r.message;
  EXPECT_NE(window_->newControl(ui::TimerClass()), nullptr);
}

TEST_F(WindowModel, RegisteringNilTwiceOrInAnotherWindowRaises) {
  EXPECT_EQ(raised([&] { window_->addControl("X", nullptr); }).className, "NilObjectException");
  rt::Ref<ui::Control> c = add("Oval1", ui::kNoIndex, ui::OvalClass());
  EXPECT_EQ(raised([&] { window_->addControl("Oval2", c.get()); }).className, "RuntimeException");
  rt::Ref<ui::Window> other = make<ui::Window>(ui::WindowClass());
  EXPECT_EQ(raised([&] { other->addControl("Oval1", c.get()); }).className, "RuntimeException");
  EXPECT_EQ(window_->controls().size(), 1u);
}

TEST_F(WindowModel, RegisteringTellsTheObserverAndClosingAControlTakesItOut) {
  uitest::RecordingObserver seen;
  window_->setObserver(&seen);
  rt::Ref<ui::Control> c = add("Label1", ui::kNoIndex, ui::LabelClass());
  EXPECT_EQ(seen.childChanges, 1);
  rt::callSlot<void()>(*c, 0, "%%");  // Control.Close
  EXPECT_EQ(window_->controlByName("Label1"), nullptr);
  EXPECT_EQ(c->window(), nullptr);
  EXPECT_EQ(seen.childChanges, 2);
}

TEST_F(WindowModel, ATimerSitsAmongTheControlsWithAnIndexOfItsOwn) {
  rt::Ref<ui::Control> t = window_->newControl(ui::TimerClass());
  EXPECT_EQ(t->index(), ui::kNoIndex);
  window_->addControl("Timer1", t.get());
  EXPECT_EQ(window_->controlByName("Timer1").get(), t.get());
  t->setIndex(2);
  EXPECT_EQ(window_->controlByNameIndex("Timer1", 2).get(), t.get());
}

TEST_F(WindowModel, ConstructionRaisesLayoutThenCreateControlsThenEachControlsOpenThenTheWindowsOpen) {
  rt::Ref<ui::Window> w = make<ui::Window>(JournalWindowClass());
  rt::callSlot<void()>(*w, ui::slot::kWindowConstructor, ui::slot::kWindowConstructorSig);
  EXPECT_EQ(journal(), (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings",
                                                 "open First", "open Second", "Open"}));
  EXPECT_TRUE(w->isOpen());
  EXPECT_EQ(w->property("IsOpen"), rt::Value(true));
  EXPECT_EQ(raised([&] { w->construct(); }).className, "RuntimeException");
  EXPECT_EQ(journal().size(), 7u);  // no hook ran again
}

TEST_F(WindowModel, AnOpenWindowIsFoundByTheNameOfItsClassUntilItCloses) {
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("WindowTest.JournalWindow"), nullptr);
  rt::Ref<ui::Window> w = make<ui::Window>(JournalWindowClass());
  w->construct();
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("WindowTest.JournalWindow").get(), w.get());
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("Window"), nullptr);
  w->close();
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("WindowTest.JournalWindow"), nullptr);
}

TEST_F(WindowModel, TheOpenedAndClosedHooksSeeEachWindowJoinAndLeaveTheOpenWindows) {
  std::vector<std::string> seen;
  ui::setWindowOpenedHook([&](ui::Window& w) {
    // A view made here finds the window opened, with its controls.
    seen.push_back("opened, " + std::to_string(ui::openWindows().size()) + " open, " +
                   std::to_string(w.controls().size()) + " controls");
  });
  ui::setWindowClosedHook([&](ui::Window& w) {
    seen.push_back(std::string("closed, ") + (w.isOpen() ? "still open" : "not open") + ", " +
                   std::to_string(ui::openWindows().size()) + " open");
  });
  rt::Ref<ui::Window> first = make<ui::Window>(JournalWindowClass());
  first->construct();
  rt::Ref<ui::Window> failing = make<ui::Window>(FailingWindowClass());
  raised([&] { failing->construct(); });  // never opens, so no hook runs
  first->close();
  first->close();  // closed already: no second call
  rt::Ref<ui::Window> second = make<ui::Window>(JournalWindowClass());
  second->construct();
  ui::closeAllWindows();
  ui::setWindowOpenedHook(nullptr);
  ui::setWindowClosedHook(nullptr);
  EXPECT_EQ(seen, (std::vector<std::string>{"opened, 1 open, 2 controls", "closed, not open, 0 open",
                                            "opened, 1 open, 2 controls", "closed, not open, 0 open"}));
}

TEST_F(WindowModel, AnExceptionFromAHookPassesOutAndLeavesTheWindowUnopened) {
  rt::Ref<ui::Window> w = make<ui::Window>(FailingWindowClass());
  auto r = raised([&] { w->construct(); });
  EXPECT_EQ(r.message, "layout failed");
  EXPECT_FALSE(w->isOpen());
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("WindowTest.FailingWindow"), nullptr);
}

TEST_F(WindowModel, AWindowWithControlsAndAMenuBarLeavesNoObjectBehind) {
  window_.reset();
  const std::size_t before = rt::liveObjectCount();
  {
    rt::Ref<ui::Window> w = make<ui::Window>(JournalWindowClass());
    rt::Ref<ui::MenuBar> bar = make<ui::MenuBar>(ui::MenuBarClass());
    rt::Ref<ui::MenuItem> file = make<ui::MenuItem>(ui::MenuItemClass());
    bar->append(file.get());
    w->setMenuBar(bar.get());
    w->construct();
    rt::Ref<ui::Control> timer = w->newControl(ui::TimerClass());
    w->addControl("Timer1", timer.get());
    w->controlByName("First")->setProperty("HelpTag", rt::String("held"));
    EXPECT_GT(rt::liveObjectCount(), before);
  }
  ui::releaseFrameworkReferences();
  EXPECT_EQ(rt::liveObjectCount(), before);
}

TEST_F(WindowModel, AControlOutlivingItsWindowLosesTheLinkToIt) {
  rt::Ref<ui::Control> kept = add("Oval1", ui::kNoIndex, ui::OvalClass());
  const std::int32_t count = kept->refCount();
  EXPECT_EQ(kept->window().get(), window_.get());
  window_.reset();
  EXPECT_EQ(kept->window(), nullptr);
  EXPECT_EQ(kept->refCount(), count - 1);
}

TEST_F(WindowModel, FocusMovesThroughVisibleEnabledControlsAndWrapsAround) {
  rt::Ref<ui::Control> a = add("A", ui::kNoIndex, ui::BevelButtonClass());
  rt::Ref<ui::Control> hidden = add("Hidden", ui::kNoIndex, ui::BevelButtonClass());
  rt::Ref<ui::Control> b = add("B", ui::kNoIndex, ui::LabelClass());
  add("Timer1", ui::kNoIndex, ui::TimerClass());
  dynamic_cast<ui::RectControl&>(*hidden).setVisible(false);
  std::vector<ui::Control*> visited;
  for (int i = 0; i < 3; ++i) {
    window_->focusNext();
    visited.push_back(window_->focus().get());
  }
  EXPECT_EQ(visited, (std::vector<ui::Control*>{a.get(), b.get(), a.get()}));
  EXPECT_EQ(a->property("HasFocus"), rt::Value(true));
  EXPECT_EQ(b->property("HasFocus"), rt::Value(false));
  window_->focusPrevious();
  EXPECT_EQ(window_->focus().get(), b.get());
}

TEST_F(WindowModel, ShowHideAndMoveChangeTheWindowsSettings) {
  uitest::RecordingObserver seen;
  window_->setObserver(&seen);
  rt::callSlot<void()>(*window_, 3, "%%");  // Hide
  EXPECT_FALSE(window_->visible());
  rt::callSlot<void()>(*window_, 0, "%%");  // Show
  EXPECT_TRUE(window_->visible());
  rt::callSlot<void(std::int32_t, std::int32_t, std::int32_t, std::int32_t)>(*window_, 22, "%%i4i4i4i4", 10, 20, 675,
                                                                             506);
  EXPECT_EQ(window_->width(), 675);
  EXPECT_EQ(window_->height(), 506);
  rt::callSlot<void()>(*window_, 5, "%%");  // Refresh
  EXPECT_EQ(seen.refreshes, 1);
  EXPECT_EQ(seen.changed, (std::vector<std::string>{"Visible", "Visible", "Left", "Top", "Width", "Height"}));
}

}  // namespace
