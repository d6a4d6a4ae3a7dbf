// The life of the process: the runtime brought up, every class record built,
// the application object and the game window made by the start-up routine,
// the run loop until the player quits, then the module references released
// and the runtime shut down.
#pragma once

#include <cstdint>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"

namespace app {

// What main does; returns the exit status that the runtime's shutdown gives.
std::int32_t runProgram();

// Class initialisation: the framework's records, then the program's seven
// in a fixed order. Records that exist are left as they are.
void initializeClasses();
// Module finalisation: the framework's module references first, then the
// menu bar's implicit instance.
void finalizeModules();

// Registers the exception helper, hands _Startup to the framework's
// initialisation and runs the loop. A framework exception from any of these
// is reported once through RuntimeUnhandledException and ends _Main; one
// raised by the report itself passes on.
void _Main();

// The exception helper ("( Ptr, Ptr ) as Object"): calls the function entry,
// a "( Ptr )" function, with the argument. Returns nil when it returns
// normally, or the RuntimeException it raised (one reference for the caller);
// any other raised object passes on. A nil entry gives a NilObjectException.
rt::Ref<rt::Object> _CallFunctionWithExceptionHandling(const rt::MethodSlot* function, void* argument);

// The start-up routine ("(  )"), run by the framework's initialisation. The
// first exception ends it and passes on.
void _Startup();
void _InitFileTypes();
// The application object with the menu bar, registered with the framework.
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
// Opens the game window.
void _MakeDefaultView();

}  // namespace app
