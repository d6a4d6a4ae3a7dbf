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
  // Called when the model asks to be drawn again (Refresh, Invalidate,
  // UpdateNow) without any property having changed.
  virtual void refreshRequested(Model& /*model*/) {}
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
  // Stores and notifies once when the value changes. A value of another
  // kind than the property's type raises a RuntimeException naming it.
  void storeValue(std::uint32_t index, const rt::Value& v);
  // The property entry behind a stored value.
  const rt::PropertyEntry& entryAt(std::uint32_t index) const;

 protected:
  std::int32_t int32Property(std::string_view name) const;
  bool boolProperty(std::string_view name) const;
  rt::String stringProperty(std::string_view name) const;
  double doubleProperty(std::string_view name) const;
  rt::Color colorProperty(std::string_view name) const;
  std::uint32_t indexOf(std::string_view name) const;
  void notifyChildren();
  void notifyRefresh();
  // Puts every framework property back to its class's initial value.
  void resetToDefaults();

 private:
  std::vector<rt::Value> values_;
  ModelObserver* observer_ = nullptr;
};

// Getter and setter that property entries of framework classes point to:
// they read and write the model's stored value with index `storage`.
rt::Value modelGetValue(rt::Object& obj, std::uint32_t storage);
void modelSetValue(rt::Object& obj, std::uint32_t storage, const rt::Value& v);

// The initial values of a framework class's properties, in entry order. A
// new model takes those of the nearest framework class in its record's
// superclass chain (a program subclass adds fields, not model values).
void setFrameworkDefaults(const rt::ClassRecord& cls, std::vector<rt::Value> values);
// Those of the nearest framework class in the chain, or null.
const std::vector<rt::Value>* frameworkDefaults(const rt::ClassRecord& cls);

// The value of that type text that stands for "nothing set": 0, false,
// black, 0.0, "" or nil. "v" (any kind) gives the empty value.
rt::Value zeroValueOf(std::string_view type);

// A newline-separated list with the line added, unless it holds it already.
rt::String withLineAdded(const rt::String& lines, const rt::String& line);

}  // namespace ui
