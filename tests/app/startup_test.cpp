// The process's life: class initialisation, the start-up routine with the
// application object, the menu bar and the window, the run loop until the
// quit item, the exception helper and shutdown.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/menu_bar1.h"
#include "app/pokorindo.h"
#include "app/startup.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/fields.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/application.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "support.h"
#include "window/control_classes.h"
#include "window/window1_class.h"

namespace {

using apptest::AppTest;
using apptest::raisedClass;
using apptest::SlotPatch;

class StartUp : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    app::initializeClasses();
  }
};

rt::Ref<ui::Application> application() {
  const rt::Ref<rt::Object> app = rt::registeredAppObject();
  return rt::Ref<ui::Application>::retain(dynamic_cast<ui::Application*>(app.get()));
}

TEST_F(StartUp, MakesOneApplicationAndOneOpenWindowThatShareTheOneMenuBar) {
  app::_Startup();

  const rt::Ref<ui::Application> app = application();
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(&app->classRecord(), &app::PoKoRindoClass());
  EXPECT_EQ(app->refCount(), 2);  // the framework's and ours

  ASSERT_EQ(ui::openWindows().size(), 1u);
  const rt::Ref<ui::Window> window = ui::openWindows().front();
  EXPECT_EQ(&window->classRecord(), &window1::Window1Class());
  EXPECT_EQ(ui::RuntimeGetImplicitWindow("Window1.Window1"), rt::Ref<rt::Object>(window));
  EXPECT_EQ(window->controls().size(), 19u);
  EXPECT_EQ(window->title().str(), "ポコリンド");

  const rt::Ref<rt::Object> bar = app::MenuBar1Instance();
  EXPECT_EQ(rt::Ref<rt::Object>(app->menuBar()), bar);
  EXPECT_EQ(rt::Ref<rt::Object>(window->menuBar()), bar);
  EXPECT_EQ(bar->refCount(), 4);  // the module's, the application's, the window's and ours
}

void failingConstructor(rt::Object& /*self*/) { rt::raiseRuntimeException("the application could not be made"); }

TEST_F(StartUp, AnExceptionInNewAppInstanceEndsStartUpBeforeAnythingIsRegisteredOrOpened) {
  SlotPatch patch(app::PoKoRindoClass(), app::kPoKoRindoConstructorSlot,
                  rt::makeSlot("PoKoRindo.Constructor", "%%", &failingConstructor));
  EXPECT_EQ(raisedClass([] { app::_Startup(); }), "RuntimeException");
  EXPECT_EQ(rt::registeredAppObject(), nullptr);
  EXPECT_TRUE(ui::openWindows().empty());
}

TEST_F(StartUp, TheWindowGetterGivesTheOpenWindowAgainWithoutRunningItsHooks) {
  ui::RuntimeInitPluginEntrypoints();
  const rt::Ref<rt::Object> first = window1::Window1Instance();
  ASSERT_NE(first, nullptr);
  rt::setInt32Property(*first, "Kaisu", 5);  // the window's Open event would put it back to 0

  const rt::Ref<rt::Object> second = window1::Window1Instance();
  EXPECT_EQ(second, first);
  EXPECT_EQ(rt::int32Property(*second, "Kaisu"), 5);
  EXPECT_EQ(ui::openWindows().size(), 1u);
  EXPECT_EQ(dynamic_cast<ui::Window&>(*second).controls().size(), 19u);
}

TEST_F(StartUp, Slot53StillMakesTheControlsThoughItsEntryIsHidden) {
  ui::RuntimeInitPluginEntrypoints();
  const rt::Ref<rt::Object> window = rt::RuntimeNewObject(window1::Window1Class());
  rt::callSlot<void()>(*window, 53, "%%");
  EXPECT_EQ(dynamic_cast<ui::Window&>(*window).controls().size(), 19u);
}

TEST_F(StartUp, ClassInitialisationASecondTimeBuildsNoRecordAnew) {
  using Lookup = const rt::ClassRecord& (*)();
  const std::vector<std::pair<const char*, Lookup>> classes = {
      {"PoKoRindo", &app::PoKoRindoClass},
      {"Window1.Window1", &window1::Window1Class},
      {"Window1.MiniLabel", &window1::MiniLabelClass},
      {"Window1.Xline", &window1::XlineClass},
      {"Window1.Timer1", &window1::Timer1Class},
      {"Window1.FudaButton", &window1::FudaButtonClass},
      {"MenuBar1.MenuBar1", &app::MenuBar1Class},
      {"Window", &ui::WindowClass},
      {"MenuBar", &ui::MenuBarClass},
  };
  std::vector<const rt::ClassRecord*> before;
  for (const auto& [name, lookup] : classes) {
    before.push_back(&lookup());
    EXPECT_EQ(rt::RuntimeLookupClass(name), before.back()) << name;
  }
  const std::size_t windowSlots = window1::Window1Class().vtable.size();

  EXPECT_NO_THROW(app::initializeClasses());

  for (std::size_t i = 0; i < classes.size(); ++i) {
    EXPECT_EQ(&classes[i].second(), before[i]) << classes[i].first;
    EXPECT_EQ(rt::RuntimeLookupClass(classes[i].first), before[i]) << classes[i].first;
  }
  EXPECT_EQ(window1::Window1Class().vtable.size(), windowSlots);
}

// --- the exception helper -------------------------------------------------------------

struct Called {
  static inline void* argument = nullptr;
  static inline rt::Object* raisedObject = nullptr;
};
void returnsNormally(void* argument) { Called::argument = argument; }
void raisesNilObject(void* /*argument*/) {
  rt::Ref<rt::RuntimeException> e = rt::newRuntimeException(rt::NilObjectExceptionClass(), "nothing there");
  Called::raisedObject = e.get();
  throw rt::Raised(std::move(e));
}
void raisesAPlainObject(void* /*argument*/) { throw rt::Raised(rt::RuntimeNewObject(ui::MenuItemClass())); }

using ExceptionHelper = AppTest;

TEST_F(ExceptionHelper, GivesNilForAFunctionThatReturnsAndTheExceptionForOneThatRaises) {
  int target = 0;
  const rt::MethodSlot ok = rt::makeFunction("test", "( Ptr )", &returnsNormally);
  EXPECT_EQ(app::_CallFunctionWithExceptionHandling(&ok, &target), nullptr);
  EXPECT_EQ(Called::argument, &target);

  const rt::MethodSlot failing = rt::makeFunction("test", "( Ptr )", &raisesNilObject);
  const rt::Ref<rt::Object> caught = app::_CallFunctionWithExceptionHandling(&failing, nullptr);
  ASSERT_NE(caught, nullptr);
  EXPECT_EQ(caught.get(), Called::raisedObject);
  EXPECT_EQ(caught->classRecord().name.str(), "NilObjectException");
  EXPECT_EQ(caught->refCount(), 1);  // only the caller's
}

TEST_F(ExceptionHelper, ANilEntryGivesANilObjectExceptionAndAnObjectThatIsNoExceptionPassesOn) {
  const rt::Ref<rt::Object> caught = app::_CallFunctionWithExceptionHandling(nullptr, nullptr);
  ASSERT_NE(caught, nullptr);
  EXPECT_EQ(caught->classRecord().name.str(), "NilObjectException");

  const rt::MethodSlot plain = rt::makeFunction("test", "( Ptr )", &raisesAPlainObject);
  EXPECT_EQ(raisedClass([&] { app::_CallFunctionWithExceptionHandling(&plain, nullptr); }), "MenuItem");
}

TEST_F(ExceptionHelper, MainRegistersItWithTheFramework) {
  app::initializeClasses();
  app::_Main();
  const rt::MethodSlot& helper = rt::runtimeExceptionHelper();
  const rt::MethodSlot failing = rt::makeFunction("test", "( Ptr )", &raisesNilObject);
  const rt::Ref<rt::Object> caught = rt::callPlain<rt::Ref<rt::Object>(const rt::MethodSlot*, void*)>(
      helper, "( Ptr, Ptr ) as Object", &failing, nullptr);
  EXPECT_EQ(caught.get(), Called::raisedObject);
}

// --- the whole run ----------------------------------------------------------------------

// Events queued by the framework's initialisation run in the loop that
// _Main enters once start-up is done.
class WholeRun : public AppTest {
 protected:
  void TearDown() override {
    rt::setFrameworkInitializer(nullptr);
    AppTest::TearDown();
  }
  static void queue(std::vector<std::function<void()>> events) {
    rt::setFrameworkInitializer([events] {
      for (const auto& e : events) rt::postEvent(e);
    });
  }
};

TEST_F(WholeRun, TheQuitItemEndsTheLoopAndFinalisationLetsTheMenuBarGoAfterTheFrameworksReferences) {
  rt::WeakRef<rt::Object> bar;
  bool ranAfterQuit = false;
  bool barAliveAfterFrameworkRelease = false;
  std::int32_t barCountAfterFrameworkRelease = 0;
  queue({
      [&] {
        const rt::Ref<ui::MenuBar> menuBar = application()->menuBar();
        bar = rt::WeakRef<rt::Object>(menuBar.get());
        menuBar->lookup("FileQuit")->choose();
      },
      [&] { ranAfterQuit = true; },
  });
  rt::atFrameworkFinalize([&] {
    const rt::Ref<rt::Object> b = bar.lock();
    barAliveAfterFrameworkRelease = b != nullptr && rt::registeredAppObject() == nullptr && ui::openWindows().empty();
    if (b) barCountAfterFrameworkRelease = b->refCount() - 1;  // less our own
  });

  EXPECT_EQ(app::runProgram(), 0);

  EXPECT_FALSE(ranAfterQuit);
  EXPECT_TRUE(barAliveAfterFrameworkRelease);
  EXPECT_EQ(barCountAfterFrameworkRelease, 1);  // only the module's
  EXPECT_TRUE(bar.expired());
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(WholeRun, AnExceptionFromStartUpIsReportedOnceTheLoopIsSkippedAndShutdownGivesItsStatus) {
  app::initializeClasses();
  SlotPatch patch(app::PoKoRindoClass(), app::kPoKoRindoConstructorSlot,
                  rt::makeSlot("PoKoRindo.Constructor", "%%", &failingConstructor));
  bool loopRan = false;
  queue({[&] { loopRan = true; }});

  const std::int32_t status = app::runProgram();

  EXPECT_EQ(rt::unhandledExceptionCount(), 1u);
  EXPECT_NE(rt::lastUnhandledReport().find("the application could not be made"), std::string::npos)
      << rt::lastUnhandledReport();
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(status, 1);  // RuntimeExit's status after a report
}

}  // namespace
