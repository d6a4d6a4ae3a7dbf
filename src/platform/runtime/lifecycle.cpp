#include "platform/runtime/lifecycle.h"

#include <cstdio>
#include <deque>
#include <exception>
#include <map>
#include <utility>
#include <vector>

#include "platform/runtime/exceptions.h"

namespace rt {

struct HeadlessEventLoop::Queue {
  std::deque<std::function<void()>> events;
  bool quitting = false;
};

void HeadlessEventLoop::run() {
  if (!queue_) queue_ = std::make_shared<Queue>();
  // Only the shared queue is used from here on, never `this`.
  std::shared_ptr<Queue> q = queue_;
  q->quitting = false;
  while (!q->quitting && !q->events.empty()) {
    std::function<void()> ev = std::move(q->events.front());
    q->events.pop_front();
    dispatchEvent(ev);
  }
}

void HeadlessEventLoop::quit() {
  if (!queue_) queue_ = std::make_shared<Queue>();
  queue_->quitting = true;
}

void HeadlessEventLoop::post(std::function<void()> event) {
  if (!queue_) queue_ = std::make_shared<Queue>();
  queue_->events.push_back(std::move(event));
}

std::size_t HeadlessEventLoop::pending() const { return queue_ ? queue_->events.size() : 0; }

namespace {

struct RuntimeState {
  std::unique_ptr<EventLoop> loop = std::make_unique<HeadlessEventLoop>();
  MethodSlot exceptionHelper;
  std::function<void()> frameworkInit;
  Ref<Object> app;
  bool quit = false;
  std::size_t unhandled = 0;
  std::string lastReport;
  std::vector<std::function<void()>> finalizers;
  std::size_t pluginCapacity = 0;
  std::map<std::string, MethodSlot> plugins;
};

RuntimeState& state() {
  static RuntimeState s;
  return s;
}

}  // namespace

void RuntimeInit() {
  RuntimeState& s = state();
  s.loop = std::make_unique<HeadlessEventLoop>();
  s.exceptionHelper = MethodSlot{};
  s.app.reset();
  s.quit = false;
  s.unhandled = 0;
  s.lastReport.clear();
  s.pluginCapacity = 0;
  s.plugins.clear();
}

void setEventLoop(std::unique_ptr<EventLoop> loop) { state().loop = std::move(loop); }
EventLoop& eventLoop() { return *state().loop; }

void dispatchEvent(const std::function<void()>& event) { runReportingExceptions(event); }

void runReportingExceptions(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const Raised& r) {
    RuntimeUnhandledException(r.exception().get());
  } catch (const std::exception& e) {
    // Not a framework exception, so a fault of the program itself: reported
    // like one, so that neither the loop nor a toolkit's loop around it ends
    // the process.
    reportUnhandledError(e.what());
  } catch (...) {
    reportUnhandledError("an exception of no known class");
  }
}

void postEvent(std::function<void()> event) { state().loop->post(std::move(event)); }

void RuntimeSetExceptionHelper(const MethodSlot& helper) { state().exceptionHelper = helper; }
const MethodSlot& runtimeExceptionHelper() { return state().exceptionHelper; }

void setFrameworkInitializer(std::function<void()> init) { state().frameworkInit = std::move(init); }

void RunFrameworkInitialization(const MethodSlot& startup) {
  if (state().frameworkInit) state().frameworkInit();
  callPlain<void()>(startup, "(  )");
}

void RuntimeRegisterAppObject(Object* app) { state().app = Ref<Object>::retain(app); }
Ref<Object> registeredAppObject() { return state().app; }

void RuntimeRun() {
  state().quit = false;
  state().loop->run();
}

void RuntimeQuit() {
  state().quit = true;
  state().loop->quit();
}

bool quitRequested() { return state().quit; }

void reportUnhandledError(const std::string& what) {
  RuntimeState& s = state();
  ++s.unhandled;
  s.lastReport = "unhandled error: " + what;
  std::fprintf(stderr, "%s\n", s.lastReport.c_str());
}

void RuntimeUnhandledException(Object* exception) {
  RuntimeState& s = state();
  ++s.unhandled;
  std::string report = "unhandled exception: ";
  if (!exception) {
    report += "nil";
  } else {
    report += exception->classRecord().name.str();
    if (auto* re = dynamic_cast<RuntimeException*>(exception); re && !re->message().empty()) {
      report += ": " + re->message().str();
    }
  }
  s.lastReport = report;
  std::fprintf(stderr, "%s\n", report.c_str());
}

std::size_t unhandledExceptionCount() { return state().unhandled; }
const std::string& lastUnhandledReport() { return state().lastReport; }

void atFrameworkFinalize(std::function<void()> release) { state().finalizers.push_back(std::move(release)); }

void finalizeFramework() {
  auto list = std::move(state().finalizers);
  state().finalizers.clear();
  for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)();
}

std::int32_t RuntimeExit() {
  RuntimeState& s = state();
  s.app.reset();
  s.exceptionHelper = MethodSlot{};
  s.loop = std::make_unique<HeadlessEventLoop>();
  return s.unhandled > 0 ? 1 : 0;
}

void RuntimeAllocatePluginEntrypointsTable(std::size_t count) {
  state().pluginCapacity = count;
  state().plugins.clear();
}

void registerPluginEntrypoint(const MethodSlot& entry) {
  RuntimeState& s = state();
  if (!s.plugins.count(entry.member) && s.plugins.size() >= s.pluginCapacity) {
    raiseRuntimeException(String("plug-in entry table is full; cannot add " + entry.member));
  }
  s.plugins[entry.member] = entry;
}

const MethodSlot& RuntimeLookupPluginEntrypoint(const std::string& text) {
  auto it = state().plugins.find(text);
  if (it == state().plugins.end()) raiseRuntimeException(String("no plug-in entry " + text));
  return it->second;
}

std::size_t pluginEntrypointCapacity() { return state().pluginCapacity; }
std::size_t pluginEntrypointCount() { return state().plugins.size(); }

}  // namespace rt
