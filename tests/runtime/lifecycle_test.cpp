#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "test_classes.h"

namespace rt::testing {
namespace {

class Lifecycle : public ::testing::Test {
 protected:
  void SetUp() override { RuntimeInit(); }
  void TearDown() override { RuntimeExit(); }
};

TEST_F(Lifecycle, RunDeliversQueuedEventsInOrderAndReturnsWhenDrained) {
  std::vector<int> seen;
  for (int i = 0; i < 3; ++i) postEvent([&seen, i] { seen.push_back(i); });
  RuntimeRun();
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
}

TEST_F(Lifecycle, QuitEndsTheLoopBeforeLaterEvents) {
  std::vector<int> seen;
  postEvent([&] { seen.push_back(1); });
  postEvent([] { RuntimeQuit(); });
  postEvent([&] { seen.push_back(3); });
  RuntimeRun();
  EXPECT_EQ(seen, (std::vector<int>{1}));
  EXPECT_TRUE(quitRequested());
}

TEST_F(Lifecycle, AnExceptionFromAnEventIsReportedOnceAndTheLoopGoesOn) {
  bool later = false;
  postEvent([] { RaiseNilObjectException(); });
  postEvent([&] { later = true; });
  RuntimeRun();
  EXPECT_TRUE(later);
  EXPECT_EQ(unhandledExceptionCount(), 1u);
  EXPECT_NE(lastUnhandledReport().find("NilObjectException"), std::string::npos);
  EXPECT_EQ(RuntimeExit(), 1);  // a run with an unhandled exception does not exit 0
}

TEST_F(Lifecycle, AnyOtherCppExceptionIsReportedTooAndTheLoopGoesOn) {
  bool later = false;
  postEvent([] { throw std::runtime_error("disk on fire"); });
  postEvent([&] { later = true; });
  RuntimeRun();
  EXPECT_TRUE(later);
  EXPECT_EQ(unhandledExceptionCount(), 1u);
  EXPECT_NE(lastUnhandledReport().find("disk on fire"), std::string::npos);
}

TEST_F(Lifecycle, AnEventMayReplaceTheLoopThatDeliversIt) {
  // The old loop is destroyed while its run() is on the stack; the sanitizer
  // build catches any use of it after that.
  int delivered = 0;
  postEvent([&] {
    ++delivered;
    setEventLoop(std::make_unique<HeadlessEventLoop>());
  });
  postEvent([&] { ++delivered; });
  RuntimeRun();
  EXPECT_EQ(delivered, 2);
  bool onNewLoop = false;
  postEvent([&] { onNewLoop = true; });
  RuntimeRun();
  EXPECT_TRUE(onNewLoop);
}

TEST_F(Lifecycle, ACleanRunExitsWithZero) {
  postEvent([] {});
  RuntimeRun();
  EXPECT_EQ(RuntimeExit(), 0);
}

void startupThatRuns() { throw Raised(newRuntimeException(RuntimeExceptionClass(), "from start-up")); }
bool gStarted = false;
void startupThatMarks() { gStarted = true; }

TEST_F(Lifecycle, InitializationRunsFrameworkWorkThenTheStartupRoutine) {
  std::vector<std::string> order;
  setFrameworkInitializer([&] { order.push_back("framework"); });
  gStarted = false;
  RunFrameworkInitialization(makeFunction("_Startup", "(  )", &startupThatMarks));
  EXPECT_TRUE(gStarted);
  EXPECT_EQ(order, (std::vector<std::string>{"framework"}));
  setFrameworkInitializer(nullptr);
}

TEST_F(Lifecycle, AnExceptionFromTheStartupRoutineReachesTheCaller) {
  EXPECT_THROW(RunFrameworkInitialization(makeFunction("_Startup", "(  )", &startupThatRuns)), Raised);
  // A start-up entry with another signature text is refused before it runs.
  gStarted = false;
  EXPECT_THROW(RunFrameworkInitialization(makeFunction("_Startup", "()", &startupThatMarks)), Raised);
  EXPECT_FALSE(gStarted);
}

TEST_F(Lifecycle, RegisteredApplicationIsKeptUntilExit) {
  Ref<Thing> app = newThing();
  RuntimeRegisterAppObject(app.get());
  EXPECT_EQ(app->refCount(), 2);
  EXPECT_EQ(registeredAppObject().get(), app.get());
  RuntimeExit();
  EXPECT_EQ(app->refCount(), 1);
}

TEST_F(Lifecycle, FrameworkReferencesAreReleasedInReverseOrder) {
  std::vector<int> order;
  atFrameworkFinalize([&] { order.push_back(1); });
  atFrameworkFinalize([&] { order.push_back(2); });
  finalizeFramework();
  finalizeFramework();  // a second call has nothing left to release
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

void entryA(Object&) {}

TEST_F(Lifecycle, PluginTableHoldsAtMostItsCapacityAndNamesMissingEntries) {
  RuntimeAllocatePluginEntrypointsTable(2);
  registerPluginEntrypoint(makeSlot("A.Set", "%%", &entryA));
  registerPluginEntrypoint(makeSlot("B.Set", "%%", &entryA));
  registerPluginEntrypoint(makeSlot("A.Set", "%%", &entryA));  // replacing is not growing
  EXPECT_EQ(pluginEntrypointCount(), 2u);
  EXPECT_THROW(registerPluginEntrypoint(makeSlot("C.Set", "%%", &entryA)), Raised);
  EXPECT_EQ(RuntimeLookupPluginEntrypoint("B.Set").member, "B.Set");
  try {
    RuntimeLookupPluginEntrypoint("Missing.Get");
    ADD_FAILURE();
  } catch (const Raised& r) {
    EXPECT_NE(std::string(r.what()).find("Missing.Get"), std::string::npos);
  }
}

}  // namespace
}  // namespace rt::testing
