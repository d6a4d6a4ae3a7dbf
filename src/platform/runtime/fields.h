// Getters and setters for fields that program classes keep in an object's
// field store, at byte positions their records give. Property entries point
// to these; the value getters wrap them for introspection.
#pragma once

#include <cstdint>

#include "platform/runtime/object.h"
#include "platform/runtime/value.h"

namespace rt {

// A position that does not fit the object's field store raises a
// RuntimeException instead of touching memory outside it.
std::int32_t Int32_Get(Object& obj, std::uint32_t position);
void Int32_Set(Object& obj, std::uint32_t position, std::int32_t value);
// An object field holds one counted reference to its object (nil allowed).
Ref<Object> Object_Get(Object& obj, std::uint32_t position);
void Object_Set(Object& obj, std::uint32_t position, Object* value);

// Property-entry forms (rt::PropertyGetter / rt::PropertySetter).
Value Int32_GetValue(Object& obj, std::uint32_t position);
void Int32_SetValue(Object& obj, std::uint32_t position, const Value& v);
Value Object_GetValue(Object& obj, std::uint32_t position);
void Object_SetValue(Object& obj, std::uint32_t position, const Value& v);

// Introspection forms: call the getter or setter and convert the variant.
struct PropertyEntry;
Value Int32_Introspection_GetValue(Value (*getter)(Object&, std::uint32_t), Object& obj, std::uint32_t position);
void Int32_Introspection_SetValue(void (*setter)(Object&, std::uint32_t, const Value&), Object& obj,
                                  std::uint32_t position, const Value& v);
Value Object_Introspection_GetValue(Value (*getter)(Object&, std::uint32_t), Object& obj, std::uint32_t position);
void Object_Introspection_SetValue(void (*setter)(Object&, std::uint32_t, const Value&), Object& obj,
                                   std::uint32_t position, const Value& v);

// Reads or writes the Int32 property of that name through the object's
// record (letter case ignored); an absent property raises.
std::int32_t int32Property(Object& obj, const char* name);
void setInt32Property(Object& obj, const char* name, std::int32_t value);

}  // namespace rt
