#include "platform/ui/model.h"

#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/runtime/exceptions.h"

namespace ui {

namespace {

std::unordered_map<const rt::ClassRecord*, std::vector<rt::Value>>& defaultsByClass() {
  static std::unordered_map<const rt::ClassRecord*, std::vector<rt::Value>> byClass;
  return byClass;
}

}  // namespace

const std::vector<rt::Value>* frameworkDefaults(const rt::ClassRecord& cls) {
  for (const rt::ClassRecord* c = &cls; c; c = c->superclass) {
    auto it = defaultsByClass().find(c);
    if (it != defaultsByClass().end()) return &it->second;
  }
  return nullptr;
}

namespace {

constexpr std::size_t kAnyKind = static_cast<std::size_t>(-1);

// The variant alternative that holds values of the type text.
std::size_t kindOf(std::string_view type) {
  if (type == "i4") return rt::Value(std::int32_t{0}).index();
  if (type == "b") return rt::Value(false).index();
  if (type == "c") return rt::Value(rt::Color{}).index();
  if (type == "d" || type == "f") return rt::Value(0.0).index();
  if (type == "s") return rt::Value(rt::String()).index();
  if (type.starts_with("o<")) return rt::Value(rt::Ref<rt::Object>()).index();
  if (type == "v") return kAnyKind;
  throw std::logic_error("no value kind for the type text \"" + std::string(type) + "\"");
}

std::string describe(const Model& model, const rt::PropertyEntry& p) {
  return model.classRecord().name.str() + "." + p.name.str();
}

// The value as the property stores it, or a RuntimeException naming the
// property when it is of another kind (or an object of another class).
rt::Value conformed(const Model& model, const rt::PropertyEntry& p, const rt::Value& v) {
  const std::string_view type = p.type.bytes();
  const std::size_t kind = kindOf(type);
  if (kind == kAnyKind) return v;
  const bool objectType = type.starts_with("o<");
  if (objectType && std::holds_alternative<std::monostate>(v)) return rt::Ref<rt::Object>();
  if (v.index() != kind) {
    rt::raiseRuntimeException(rt::String(describe(model, p) + " takes a value of type \"" + std::string(type) +
                                         "\", not a " + rt::valueKindName(v)));
  }
  if (objectType) {
    const auto& obj = std::get<rt::Ref<rt::Object>>(v);
    const std::string_view className = type.substr(2, type.size() - 3);
    const rt::ClassRecord* cls = rt::RuntimeLookupClass(className);
    // A class the framework does not build (Picture) cannot be checked.
    if (obj && cls && !obj->classRecord().isa(*cls)) {
      rt::raiseRuntimeException(rt::String(describe(model, p) + " takes a " + std::string(className) + ", not a " +
                                           obj->classRecord().name.str()));
    }
  }
  return v;
}

Model& asModel(rt::Object& obj, std::uint32_t storage) {
  auto* m = dynamic_cast<Model*>(&obj);
  if (!m) {
    rt::raiseRuntimeException(rt::String("property " + std::to_string(storage) + " of " + obj.classRecord().name.str() +
                                         " belongs to a framework model, which this object is not"));
  }
  return *m;
}

}  // namespace

Model::Model(const rt::ClassRecord& cls) : rt::Object(cls) {
  if (const std::vector<rt::Value>* d = frameworkDefaults(cls)) values_ = *d;
}

rt::Value Model::property(std::string_view name) {
  const rt::PropertyEntry* p = classRecord().findProperty(name);
  if (!p || !p->getter) {
    rt::raiseRuntimeException(rt::String(classRecord().name.str() + " has no property " + std::string(name)));
  }
  return p->getter(*this, p->storage);
}

void Model::setProperty(std::string_view name, const rt::Value& v) {
  const rt::PropertyEntry* p = classRecord().findProperty(name);
  if (!p) rt::raiseRuntimeException(rt::String(classRecord().name.str() + " has no property " + std::string(name)));
  if (!p->setter) rt::raiseRuntimeException(rt::String(describe(*this, *p) + " is read-only"));
  p->setter(*this, p->storage, v);
}

const rt::PropertyEntry& Model::entryAt(std::uint32_t index) const {
  const auto& props = classRecord().properties;
  if (index >= values_.size() || index >= props.size()) {
    rt::raiseRuntimeException(
        rt::String(classRecord().name.str() + " has no framework property number " + std::to_string(index)));
  }
  return props[index];
}

const rt::Value& Model::storedValue(std::uint32_t index) const {
  entryAt(index);
  return values_[index];
}

void Model::storeValue(std::uint32_t index, const rt::Value& v) {
  const rt::PropertyEntry& p = entryAt(index);
  rt::Value next = conformed(*this, p, v);
  if (values_[index] == next) return;
  values_[index] = std::move(next);
  if (observer_) observer_->propertyChanged(*this, p);
}

std::uint32_t Model::indexOf(std::string_view name) const {
  const int i = classRecord().propertyIndex(name);
  if (i < 0 || static_cast<std::size_t>(i) >= values_.size()) {
    rt::raiseRuntimeException(rt::String(classRecord().name.str() + " has no framework property " + std::string(name)));
  }
  return static_cast<std::uint32_t>(i);
}

std::int32_t Model::int32Property(std::string_view name) const {
  return rt::VariantToInt32(storedValue(indexOf(name)));
}
bool Model::boolProperty(std::string_view name) const { return rt::valueToBool(storedValue(indexOf(name))); }
rt::String Model::stringProperty(std::string_view name) const { return rt::valueToString(storedValue(indexOf(name))); }
double Model::doubleProperty(std::string_view name) const { return rt::valueToDouble(storedValue(indexOf(name))); }
rt::Color Model::colorProperty(std::string_view name) const { return rt::valueToColor(storedValue(indexOf(name))); }

void Model::notifyChildren() {
  if (observer_) observer_->childrenChanged(*this);
}

void Model::notifyRefresh() {
  if (observer_) observer_->refreshRequested(*this);
}

void Model::resetToDefaults() {
  const std::vector<rt::Value>* d = frameworkDefaults(classRecord());
  if (!d) return;
  for (std::size_t i = 0; i < d->size() && i < values_.size(); ++i) {
    storeValue(static_cast<std::uint32_t>(i), (*d)[i]);
  }
}

rt::Value modelGetValue(rt::Object& obj, std::uint32_t storage) { return asModel(obj, storage).storedValue(storage); }

void modelSetValue(rt::Object& obj, std::uint32_t storage, const rt::Value& v) {
  asModel(obj, storage).storeValue(storage, v);
}

void setFrameworkDefaults(const rt::ClassRecord& cls, std::vector<rt::Value> values) {
  defaultsByClass()[&cls] = std::move(values);
}

rt::Value zeroValueOf(std::string_view type) {
  const std::size_t kind = kindOf(type);
  if (kind == kAnyKind) return rt::Value();
  if (type == "i4") return std::int32_t{0};
  if (type == "b") return false;
  if (type == "c") return rt::Color{};
  if (type == "d" || type == "f") return 0.0;
  if (type == "s") return rt::String();
  return rt::Ref<rt::Object>();
}

rt::String withLineAdded(const rt::String& lines, const rt::String& line) {
  std::string_view rest = lines.bytes();
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    if (rest.substr(0, end) == line.bytes()) return lines;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  if (lines.empty()) return line;
  return rt::RuntimeAddString(rt::RuntimeAddString(lines, "\n"), line);
}

}  // namespace ui
