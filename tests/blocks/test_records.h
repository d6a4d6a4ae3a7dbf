// Small class records for reader tests: objects that keep every property
// value by storage index and log each set in order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/value.h"

namespace blocktest {

class Gadget : public rt::Object {
 public:
  using rt::Object::Object;
  std::map<std::uint32_t, rt::Value> values;
  std::vector<std::pair<std::string, rt::Value>> log;  // property name, value, in order of setting
};

inline rt::Value getValue(rt::Object& obj, std::uint32_t storage) {
  auto& g = rt::receiverAs<Gadget>(obj, "getValue");
  auto it = g.values.find(storage);
  return it == g.values.end() ? rt::Value() : it->second;
}

inline void setValue(rt::Object& obj, std::uint32_t storage, const rt::Value& v) {
  auto& g = rt::receiverAs<Gadget>(obj, "setValue");
  g.values[storage] = v;
  g.log.emplace_back(obj.classRecord().properties.at(storage).name.str(), v);
}

inline rt::Object* makeGadget(const rt::ClassRecord& cls) { return new Gadget(cls); }

struct Prop {
  std::string name;
  std::string type;
  bool writable = true;
};

// Properties are stored at their position in the record's whole table, so a
// subclass's own entries come behind the inherited ones.
inline const rt::ClassRecord& buildGadgetClass(const rt::ClassRecord*& cache, const std::string& name,
                                               const std::vector<Prop>& props,
                                               const rt::ClassRecord* (*super)() = nullptr) {
  rt::ClassSpec desc;
  desc.name = name;
  desc.superLookup = super;
  const std::size_t inherited = super ? super()->properties.size() : 0;
  desc.counts.properties = static_cast<std::uint32_t>(inherited + props.size());
  for (std::size_t i = 0; i < props.size(); ++i) {
    desc.properties.push_back(rt::PropertyDecl{.name = props[i].name,
                                               .type = props[i].type,
                                               .storage = static_cast<std::uint32_t>(inherited + i),
                                               .getter = getValue,
                                               .setter = props[i].writable ? setValue : nullptr});
  }
  desc.factory = makeGadget;
  return rt::buildClass(cache, desc);
}

}  // namespace blocktest
