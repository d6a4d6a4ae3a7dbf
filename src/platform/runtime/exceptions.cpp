#include "platform/runtime/exceptions.h"

#include <string>

#include "platform/runtime/class_record.h"

namespace rt {

namespace {

Object* makeRuntimeException(const ClassRecord& cls) { return new RuntimeException(cls); }
Object* makeNilObjectException(const ClassRecord& cls) { return new NilObjectException(cls); }

Value getMessage(Object& obj, std::uint32_t) { return receiverAs<RuntimeException>(obj, "Message").message(); }
void setMessage(Object& obj, std::uint32_t, const Value& v) {
  receiverAs<RuntimeException>(obj, "Message").setMessage(valueToString(v));
}

}  // namespace

const ClassRecord& RuntimeExceptionClass() {
  static const ClassRecord* cache = nullptr;
  if (!cache) {
    ClassSpec desc;
    desc.name = "RuntimeException";
    desc.counts = {0, 0, 0, 0, 1, 0};
    desc.properties = {PropertyDecl{.name = "Message", .type = "s", .getter = getMessage, .setter = setMessage}};
    desc.factory = makeRuntimeException;
    buildClass(cache, desc);
  }
  return *cache;
}

const ClassRecord& NilObjectExceptionClass() {
  static const ClassRecord* cache = nullptr;
  if (!cache) {
    ClassSpec desc;
    desc.name = "NilObjectException";
    desc.superLookup = [] { return &RuntimeExceptionClass(); };
    desc.counts = {0, 0, 0, 0, 1, 0};
    desc.factory = makeNilObjectException;
    buildClass(cache, desc);
  }
  return *cache;
}

Raised::Raised(Ref<Object> exception) : exception_(std::move(exception)) {
  what_ = exception_ ? std::string(exception_->classRecord().name.bytes()) : std::string("nil exception");
  if (auto* re = dynamic_cast<RuntimeException*>(exception_.get()); re && !re->message().empty()) {
    what_ += ": " + re->message().str();
  }
}

Ref<RuntimeException> newRuntimeException(const ClassRecord& cls, String message) {
  Ref<RuntimeException> re = newObjectAs<RuntimeException>(cls);
  re->setMessage(std::move(message));
  return re;
}

void RaiseNilObjectException() { RaiseNilObjectException(String()); }

void RaiseNilObjectException(String message) {
  throw Raised(newRuntimeException(NilObjectExceptionClass(), std::move(message)));
}

void raiseRuntimeException(String message) {
  throw Raised(newRuntimeException(RuntimeExceptionClass(), std::move(message)));
}

void RuntimeReraiseException(Ref<Object> exception) { throw Raised(std::move(exception)); }

void raiseWrongReceiver(const Object& self, const char* member) {
  raiseRuntimeException(String(std::string(member) + " called on an object of class " +
                               std::string(self.classRecord().name.bytes())));
}

}  // namespace rt
