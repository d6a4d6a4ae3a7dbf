#include "platform/runtime/value.h"

#include <string>

#include "platform/runtime/exceptions.h"

namespace rt {

namespace {
template <class T>
const T& expect(const Value& v, const char* wanted) {
  if (const T* p = std::get_if<T>(&v)) return *p;
  raiseRuntimeException(String(std::string("value of kind ") + valueKindName(v) + " where " + wanted +
                               " was expected"));
}
}  // namespace

const char* valueKindName(const Value& v) {
  static const char* const names[] = {"nothing", "Int32", "Boolean", "Color", "Double", "String", "Object"};
  return names[v.index()];
}

std::int32_t VariantToInt32(const Value& v) { return expect<std::int32_t>(v, "Int32"); }
Value Int32ToVariant(std::int32_t i) { return Value(i); }
bool valueToBool(const Value& v) { return expect<bool>(v, "Boolean"); }
Color valueToColor(const Value& v) { return expect<Color>(v, "Color"); }
double valueToDouble(const Value& v) { return expect<double>(v, "Double"); }
String valueToString(const Value& v) { return expect<String>(v, "String"); }
Ref<Object> valueToObject(const Value& v) {
  if (std::holds_alternative<std::monostate>(v)) return nullptr;
  return expect<Ref<Object>>(v, "Object");
}

}  // namespace rt
