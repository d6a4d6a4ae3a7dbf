// The framework's exceptions are runtime objects (RuntimeException and its
// subclasses) carried through C++ code by a C++ exception, Raised.
#pragma once

#include <exception>
#include <string>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace rt {

class ClassRecord;

class RuntimeException : public Object {
 public:
  explicit RuntimeException(const ClassRecord& cls) : Object(cls) {}
  const String& message() const { return message_; }
  void setMessage(String m) { message_ = std::move(m); }

 private:
  String message_;
};

class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

const ClassRecord& RuntimeExceptionClass();
const ClassRecord& NilObjectExceptionClass();

// The C++ carrier of a raised framework exception.
class Raised : public std::exception {
 public:
  explicit Raised(Ref<Object> exception);
  const Ref<Object>& exception() const { return exception_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  Ref<Object> exception_;
  std::string what_;
};

Ref<RuntimeException> newRuntimeException(const ClassRecord& cls, String message);

[[noreturn]] void RaiseNilObjectException();
[[noreturn]] void RaiseNilObjectException(String message);
[[noreturn]] void raiseRuntimeException(String message);
// Raises the same exception object again.
[[noreturn]] void RuntimeReraiseException(Ref<Object> exception);

[[noreturn]] void raiseWrongReceiver(const Object& self, const char* member);

}  // namespace rt
