// Base of every framework model: holds the values of the properties its class
// record lists and tells an observer (a view) what changed. The model is the
// truth; a view only watches it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/value.h"

namespace ui {

class Model;

class ModelObserver {
 public:
  virtual ~ModelObserver() = default;
  // Called once for every set that changes a property's value.
  virtual void propertyChanged(Model& model, const rt::PropertyEntry& property) = 0;
  // Called when the model's children change (controls added to a window,
  // items appended to a menu).
  virtual void childrenChanged(Model& /*model*/) {}
};

class Model : public rt::Object {
 public:
  explicit Model(const rt::ClassRecord& cls);

  void setObserver(ModelObserver* observer) { observer_ = observer; }
  ModelObserver* observer() const { return observer_; }

  // Framework properties by name, letter case ignored. A name the class does
  // not have, or a value of the wrong kind, raises a RuntimeException.
  rt::Value property(std::string_view name);
  void setProperty(std::string_view name, const rt::Value& v);

  // The stored value behind a framework property entry (storage = index).
  const rt::Value& storedValue(std::uint32_t index) const;
  // Stores and notifies once when the value changes.
  void storeValue(std::uint32_t index, const rt::Value& v);

 protected:
  std::int32_t int32Property(std::string_view name) const;
  bool boolProperty(std::string_view name) const;
  rt::String stringProperty(std::string_view name) const;
  double doubleProperty(std::string_view name) const;
  rt::Color colorProperty(std::string_view name) const;
  std::uint32_t indexOf(std::string_view name) const;
  void notifyChildren();

 private:
  std::vector<rt::Value> values_;
  ModelObserver* observer_ = nullptr;
};

// Getter and setter that property entries of framework classes point to:
// they read and write the model's stored value with index `storage`.
rt::Value modelGetValue(rt::Object& obj, std::uint32_t storage);
void modelSetValue(rt::Object& obj, std::uint32_t storage, const rt::Value& v);

}  // namespace ui
