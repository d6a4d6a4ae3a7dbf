// Delegates and events. A class binds handlers to its events in its record;
// a single object can also have a handler attached at run time: an event
// stub plus a delegate, which calls a method on a target it holds strongly
// or weakly.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace rt {

class Delegate : public Object {
 public:
  explicit Delegate(const ClassRecord& cls) : Object(cls) {}

  const MethodSlot& invokeRoutine() const { return invoke_; }
  const MethodSlot& function() const { return function_; }
  const String& signature() const { return signature_; }
  bool isWeak() const { return weak_; }
  // The target now: for a weak delegate nil once the target is gone.
  Ref<Object> target() const { return weak_ ? weakTarget_.lock() : strongTarget_; }

 private:
  friend Ref<Delegate> RuntimeCreateDelegate(const MethodSlot&, const MethodSlot&, Object*, const String&,
                                             std::int32_t);
  MethodSlot invoke_;
  MethodSlot function_;
  String signature_;
  bool weak_ = false;
  Ref<Object> strongTarget_;
  WeakRef<Object> weakTarget_;
};

const ClassRecord& DelegateClass();

// weak: 1 holds the target weakly, 0 strongly. The target may be nil for a
// plain function entry.
Ref<Delegate> RuntimeCreateDelegate(const MethodSlot& invoke, const MethodSlot& function, Object* target,
                                    const String& signature, std::int32_t weak);

// Invoke routine for handlers that take one object (signature text
// "( BevelButton )"): calls the method on the target with the sender. A weak
// target that is gone raises NilObjectException and calls nothing.
void Delegate_IM_Invoke(Delegate& d, Object* sender);
MethodSlot DelegateInvokeOneObject();  // the entry for Delegate_IM_Invoke

using EventStub = void (*)(Object& obj);

// Attaches a stub and a delegate to one event of one object; the object keeps
// the delegate. A second attach to the same event replaces the first.
void RuntimeAddEventHandler(Object& obj, std::size_t event, EventStub stub, Delegate& d);
// The delegate attached to that event of the object, or nil.
Ref<Delegate> attachedDelegate(const Object& obj, std::size_t event);

// The stubs of the events the program hooks (17 Action, 1 Open): they hand
// the object to the invoke routine of the delegate attached to that event.
template <std::size_t Event>
void AddHandlerStub(Object& obj) {
  Ref<Delegate> d = attachedDelegate(obj, Event);
  if (!d) return;
  callPlain<void(Delegate&, Object*)>(d->invokeRoutine(), "( BevelButton )", *d, &obj);
}

// Raises event `event` on the object: the attached handler if there is one,
// else the class-level handler of the object's record. Returns whether a
// handler ran. Exceptions from the handler pass to the caller.
bool raiseEvent(Object& obj, std::size_t event);

}  // namespace rt
