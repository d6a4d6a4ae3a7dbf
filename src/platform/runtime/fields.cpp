#include "platform/runtime/fields.h"

#include <cstring>
#include <string>

#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"

namespace rt {

namespace {

std::byte* fieldAt(Object& obj, std::uint32_t position, std::size_t width) {
  auto fields = obj.fields();
  if (position > fields.size() || fields.size() - position < width) {
    raiseRuntimeException(String("field at byte " + std::to_string(position) + " lies outside a " +
                                 obj.classRecord().name.str() + " of " + std::to_string(fields.size()) +
                                 " bytes"));
  }
  return fields.data() + position;
}

}  // namespace

std::int32_t Int32_Get(Object& obj, std::uint32_t position) {
  std::int32_t v;
  std::memcpy(&v, fieldAt(obj, position, sizeof v), sizeof v);
  return v;
}

void Int32_Set(Object& obj, std::uint32_t position, std::int32_t value) {
  std::memcpy(fieldAt(obj, position, sizeof value), &value, sizeof value);
}

Ref<Object> Object_Get(Object& obj, std::uint32_t position) {
  Object* p;
  std::memcpy(&p, fieldAt(obj, position, sizeof p), sizeof p);
  return Ref<Object>::retain(p);
}

void Object_Set(Object& obj, std::uint32_t position, Object* value) {
  std::byte* at = fieldAt(obj, position, sizeof value);
  Object* old;
  std::memcpy(&old, at, sizeof old);
  RuntimeLockObject(value);
  std::memcpy(at, &value, sizeof value);
  RuntimeUnlockObject(old);
}

Value Int32_GetValue(Object& obj, std::uint32_t position) { return Int32_Get(obj, position); }
void Int32_SetValue(Object& obj, std::uint32_t position, const Value& v) {
  Int32_Set(obj, position, VariantToInt32(v));
}
Value Object_GetValue(Object& obj, std::uint32_t position) { return Object_Get(obj, position); }
void Object_SetValue(Object& obj, std::uint32_t position, const Value& v) {
  Object_Set(obj, position, valueToObject(v).get());
}

Value Int32_Introspection_GetValue(Value (*getter)(Object&, std::uint32_t), Object& obj, std::uint32_t position) {
  return Int32ToVariant(VariantToInt32(getter(obj, position)));
}
void Int32_Introspection_SetValue(void (*setter)(Object&, std::uint32_t, const Value&), Object& obj,
                                  std::uint32_t position, const Value& v) {
  setter(obj, position, Value(VariantToInt32(v)));
}
Value Object_Introspection_GetValue(Value (*getter)(Object&, std::uint32_t), Object& obj, std::uint32_t position) {
  return getter(obj, position);
}
void Object_Introspection_SetValue(void (*setter)(Object&, std::uint32_t, const Value&), Object& obj,
                                   std::uint32_t position, const Value& v) {
  setter(obj, position, Value(valueToObject(v)));
}

namespace {
const PropertyEntry& int32Entry(Object& obj, const char* name) {
  const PropertyEntry* p = obj.classRecord().findProperty(name);
  if (!p || !p->getter || p->type.bytes() != "i4") {
    raiseRuntimeException(String(obj.classRecord().name.str() + " has no Int32 property " + name));
  }
  return *p;
}
}  // namespace

std::int32_t int32Property(Object& obj, const char* name) {
  const PropertyEntry& p = int32Entry(obj, name);
  return VariantToInt32(p.getter(obj, p.storage));
}

void setInt32Property(Object& obj, const char* name, std::int32_t value) {
  const PropertyEntry& p = int32Entry(obj, name);
  if (!p.setter) raiseRuntimeException(String(std::string("property ") + name + " is read-only"));
  p.setter(obj, p.storage, Value(value));
}

}  // namespace rt
