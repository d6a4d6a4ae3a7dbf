#include "app/startup.h"

#include "app/menu_bar1.h"
#include "app/pokorindo.h"
#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "window/control_classes.h"
#include "window/window1_class.h"

namespace app {

namespace {

constexpr const char* kHelperSig = "( Ptr, Ptr ) as Object";
constexpr const char* kStartupSig = "(  )";
constexpr const char* kOnePointerSig = "( Ptr )";

// Invoke routines of delegates without target, one per signature text.
rt::Ref<rt::Object> invokeHelper(rt::Delegate& d, const rt::MethodSlot* function, void* argument) {
  return rt::callPlain<rt::Ref<rt::Object>(const rt::MethodSlot*, void*)>(d.function(), kHelperSig, function, argument);
}
void invokeNoArguments(rt::Delegate& d) { rt::callPlain<void()>(d.function(), kStartupSig); }
void invokeOnePointer(rt::Delegate& d, void* argument) {
  rt::callPlain<void(void*)>(d.function(), kOnePointerSig, argument);
}

// A plain function entry: a delegate with no target, held strongly (there is
// nothing to hold).
rt::Ref<rt::Delegate> plainFunction(const rt::MethodSlot& invoke, const rt::MethodSlot& function,
                                    const char* signature) {
  return rt::RuntimeCreateDelegate(invoke, function, nullptr, signature, 0);
}

// The function a delegate holds; an empty entry when no delegate came back.
rt::MethodSlot entryOf(const rt::Ref<rt::Delegate>& d) { return d ? d->function() : rt::MethodSlot{}; }

}  // namespace

void initializeClasses() {
  ui::buildFrameworkClasses();
  buildPoKoRindoClass();
  window1::buildWindow1Class();
  window1::buildMiniLabelClass();
  window1::buildXlineClass();
  window1::buildTimer1Class();
  window1::buildFudaButtonClass();
  buildMenuBar1Class();
}

void finalizeModules() {
  ui::releaseFrameworkReferences();
  rt::finalizeFramework();
  MenuBar1ImplicitInstanceExit();
}

std::int32_t runProgram() {
  rt::RuntimeInit();
  initializeClasses();
  _Main();
  finalizeModules();
  return rt::RuntimeExit();
}

void _Main() {
  // Declared outside the protected block: they are let go after the report.
  rt::Ref<rt::Delegate> helper;
  rt::Ref<rt::Delegate> startup;
  try {
    helper = plainFunction(
        rt::makeFunction("invoke ( Ptr, Ptr ) as Object", kHelperSig, &invokeHelper),
        rt::makeFunction("_CallFunctionWithExceptionHandling", kHelperSig, &_CallFunctionWithExceptionHandling),
        kHelperSig);
    rt::RuntimeSetExceptionHelper(entryOf(helper));
    helper.reset();

    startup = plainFunction(rt::makeFunction("invoke (  )", kStartupSig, &invokeNoArguments),
                            rt::makeFunction("_Startup", kStartupSig, &_Startup), kStartupSig);
    rt::RunFrameworkInitialization(entryOf(startup));
    startup.reset();

    rt::RuntimeRun();
  } catch (const rt::Raised& r) {
    // Reported once; shutdown follows as after a quit. An exception from
    // the report itself leaves _Main.
    rt::RuntimeUnhandledException(r.exception().get());
  }
}

rt::Ref<rt::Object> _CallFunctionWithExceptionHandling(const rt::MethodSlot* function, void* argument) {
  rt::Ref<rt::Delegate> d;
  if (function) {
    d = plainFunction(rt::makeFunction("invoke ( Ptr )", kOnePointerSig, &invokeOnePointer), *function, kOnePointerSig);
  }
  rt::Ref<rt::Object> result;
  try {
    if (!d) rt::RaiseNilObjectException();
    rt::callPlain<void(rt::Delegate&, void*)>(d->invokeRoutine(), kOnePointerSig, *d, argument);
  } catch (const rt::Raised& r) {
    if (!rt::RuntimeObjectIsa(r.exception().get(), rt::RuntimeExceptionClass())) throw;
    result = r.exception();
  }
  return result;
}

void _Startup() {
  ui::RuntimeInitExternalClasses();
  // The bevel button's properties and methods are reached through this
  // table, so it is filled before the window's buttons are made.
  ui::RuntimeInitPluginEntrypoints();
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  _MakeDefaultView();
}

// The program opens no documents: no file types to declare.
void _InitFileTypes() {}

void _NewAppInstance() {
  rt::Ref<rt::Object> application = rt::RuntimeNewObject(PoKoRindoClass());
  // Tested before the constructor call rather than after it, so a nil
  // object is never called.
  if (!application) rt::RaiseNilObjectException();
  rt::callSlot<void()>(*application, kPoKoRindoConstructorSlot, "%%");

  rt::Ref<rt::Object> bar = MenuBar1Instance();
  ui::Application_MenuBar_Set(application.get(), 0, bar.get());
  bar.reset();

  rt::RuntimeRegisterAppObject(application.get());
}

// No menu handlers of the program's own: the items keep the framework's.
void _ApplicationAddMenuHandlers() {}

void _MakeDefaultView() { window1::Window1Instance(); }

}  // namespace app
