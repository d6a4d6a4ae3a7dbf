// Values as the framework's introspection and property tables pass them.
#pragma once

#include <cstdint>
#include <variant>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace rt {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// Property and introspection types, with the type codes that records use.
enum class ValueType {
  Int32,    // "i4"
  Boolean,  // "b"
  Color,    // "c"
  Double,   // "d"
  Single,   // "f"
  String,   // "s"
  Object,   // "o<Class>"
};

// std::monostate is the empty variant (no value).
using Value = std::variant<std::monostate, std::int32_t, bool, Color, double, String, Ref<Object>>;

// Conversions that fail loudly: a value of another kind raises a
// RuntimeException that names both kinds.
std::int32_t VariantToInt32(const Value& v);
Value Int32ToVariant(std::int32_t i);
bool valueToBool(const Value& v);
Color valueToColor(const Value& v);
double valueToDouble(const Value& v);
String valueToString(const Value& v);
Ref<Object> valueToObject(const Value& v);

const char* valueKindName(const Value& v);

}  // namespace rt
