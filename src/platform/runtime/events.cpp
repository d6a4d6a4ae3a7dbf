#include "platform/runtime/events.h"

#include <vector>

#include "platform/runtime/exceptions.h"

namespace rt {

struct AttachedHandler {
  std::size_t event;
  EventStub stub;
  Ref<Delegate> delegate;
};
struct AttachedHandlers {
  std::vector<AttachedHandler> list;
};
void destroyAttachedHandlers(AttachedHandlers* h) { delete h; }

namespace {
Object* makeDelegate(const ClassRecord& cls) { return new Delegate(cls); }
}  // namespace

const ClassRecord& DelegateClass() {
  static const ClassRecord* cache = nullptr;
  if (!cache) {
    ClassSpec desc;
    desc.name = "Delegate";
    desc.factory = makeDelegate;
    buildClass(cache, desc);
  }
  return *cache;
}

Ref<Delegate> RuntimeCreateDelegate(const MethodSlot& invoke, const MethodSlot& function, Object* target,
                                    const String& signature, std::int32_t weak) {
  Ref<Delegate> d = newObjectAs<Delegate>(DelegateClass());
  d->invoke_ = invoke;
  d->function_ = function;
  d->signature_ = signature;
  d->weak_ = weak == 1;
  if (d->weak_) {
    d->weakTarget_ = WeakRef<Object>(target);
  } else {
    d->strongTarget_ = Ref<Object>::retain(target);
  }
  return d;
}

void Delegate_IM_Invoke(Delegate& d, Object* sender) {
  Ref<Object> target = d.target();
  if (!target) RaiseNilObjectException(String("the handler's window no longer exists"));
  callFn<void(Object*)>(d.function(), "%%o<BevelButton>", *target, sender);
}

MethodSlot DelegateInvokeOneObject() {
  return makeFunction("Delegate.IM_Invoke", "( BevelButton )", &Delegate_IM_Invoke);
}

void RuntimeAddEventHandler(Object& obj, std::size_t event, EventStub stub, Delegate& d) {
  AttachedHandlers*& handlers = obj.attachedHandlers();
  if (!handlers) handlers = new AttachedHandlers;
  for (AttachedHandler& h : handlers->list) {
    if (h.event == event) {
      h.stub = stub;
      h.delegate = Ref<Delegate>::retain(&d);
      return;
    }
  }
  handlers->list.push_back(AttachedHandler{event, stub, Ref<Delegate>::retain(&d)});
}

Ref<Delegate> attachedDelegate(const Object& obj, std::size_t event) {
  const AttachedHandlers* handlers = obj.attachedHandlers();
  if (!handlers) return nullptr;
  for (const AttachedHandler& h : handlers->list) {
    if (h.event == event) return h.delegate;
  }
  return nullptr;
}

bool raiseEvent(Object& obj, std::size_t event) {
  // The object stays alive while its handler runs, whatever the handler does.
  Ref<Object> keep = Ref<Object>::retain(&obj);
  EventStub stub = nullptr;
  if (const AttachedHandlers* handlers = obj.attachedHandlers()) {
    for (const AttachedHandler& h : handlers->list) {
      if (h.event == event) stub = h.stub;
    }
  }
  // Called outside the loop: a handler may attach handlers of its own.
  if (stub) {
    stub(obj);
    return true;
  }
  const auto& events = obj.classRecord().events;
  if (event < events.size() && events[event].handler) {
    callFn<void()>(events[event].handler, "%%", obj);
    return true;
  }
  return false;
}

}  // namespace rt
