// The runtime's life cycle: start, the framework's initialisation, the run
// loop that delivers events until the application quits, the report of an
// unhandled exception, and shutdown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"

namespace rt {

// Where events come from. The headless loop delivers queued events; a
// windowing layer installs a loop of its own.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Delivers events until quit() is called (or, headless, until none are left).
  virtual void run() = 0;
  virtual void quit() = 0;
  // Queues an event for delivery from the loop.
  virtual void post(std::function<void()> event) = 0;
};

// Queued delivery without a display. run() returns when quit() is called or
// the queue is empty: with nothing queued and one thread, nothing could
// arrive later.
class HeadlessEventLoop : public EventLoop {
 public:
  void run() override;
  void quit() override;
  void post(std::function<void()> event) override;
  std::size_t pending() const;

 private:
  // Shared with a running run(), which must not touch the loop itself: an
  // event may replace (and so destroy) the loop it was delivered from.
  struct Queue;
  std::shared_ptr<Queue> queue_;
};

// Starts the runtime afresh: a headless loop, no application, no reports.
void RuntimeInit();

void setEventLoop(std::unique_ptr<EventLoop> loop);
EventLoop& eventLoop();

// Delivers one event: a framework exception that leaves it is reported
// through RuntimeUnhandledException, any other C++ exception by its message,
// and the loop goes on.
void dispatchEvent(const std::function<void()>& event);
// Calls fn and reports what leaves it as dispatchEvent does, for framework
// work that must not unwind, such as a finalizer run from a destructor.
void runReportingExceptions(const std::function<void()>& fn);
void postEvent(std::function<void()> event);

// The exception helper: "( Ptr, Ptr ) as Object", a function that calls a
// function entry with one pointer and returns a caught RuntimeException or nil.
void RuntimeSetExceptionHelper(const MethodSlot& helper);
const MethodSlot& runtimeExceptionHelper();

// Prepares the framework and calls the start-up routine ("(  )"). Exceptions
// from the routine pass to the caller.
void RunFrameworkInitialization(const MethodSlot& startup);
// Framework work done inside RunFrameworkInitialization before the routine.
void setFrameworkInitializer(std::function<void()> init);

void RuntimeRegisterAppObject(Object* app);
Ref<Object> registeredAppObject();

void RuntimeRun();
void RuntimeQuit();
bool quitRequested();

// Reports an exception that nothing handled: one line on standard error
// naming its class and message. Returns; the caller decides what follows.
void RuntimeUnhandledException(Object* exception);
// The same report for a C++ exception that is no framework exception.
void reportUnhandledError(const std::string& what);
std::size_t unhandledExceptionCount();
const std::string& lastUnhandledReport();

// Module-level references of the framework, released by finalizeFramework()
// in the reverse order of registration.
void atFrameworkFinalize(std::function<void()> release);
void finalizeFramework();

// Shuts the runtime down and gives the exit status: 0, or 1 when an
// unhandled exception was reported during the run.
std::int32_t RuntimeExit();

// --- the plug-in entry table -------------------------------------------------

// Entries of the framework's plug-in controls, found by their signature text.
void RuntimeAllocatePluginEntrypointsTable(std::size_t count);
void registerPluginEntrypoint(const MethodSlot& entry);  // keyed by entry.member
// The entry of that text; raises a RuntimeException when the table has none.
const MethodSlot& RuntimeLookupPluginEntrypoint(const std::string& text);
std::size_t pluginEntrypointCapacity();
std::size_t pluginEntrypointCount();

}  // namespace rt
