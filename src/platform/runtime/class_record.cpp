#include "platform/runtime/class_record.h"

#include <cctype>
#include <deque>
#include <stdexcept>
#include <string>

namespace rt {

namespace {

// Records live as long as the process; the deque never moves them.
std::deque<ClassRecord>& recordStore() {
  static std::deque<ClassRecord> store;
  return store;
}

std::unordered_map<std::string, const ClassRecord*>& recordsByName() {
  static std::unordered_map<std::string, const ClassRecord*> byName;
  return byName;
}

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::vector<Attribute> makeAttributes(const std::string& scope, bool hidden) {
  std::vector<Attribute> attrs;
  Attribute& first = RuntimeAllocateAttributeTable(attrs, hidden ? 2 : 1);
  first = Attribute{RuntimeLockString("__Scope"), RuntimeLockString(String(scope)), true};
  if (hidden) attrs[1] = Attribute{RuntimeLockString("Hidden"), String(), false};
  return attrs;
}

[[noreturn]] void descriptionError(const ClassSpec& desc, const std::string& what) {
  throw std::logic_error("class " + desc.name + ": " + what);
}

}  // namespace

bool ClassRecord::isa(const ClassRecord& other) const {
  for (const ClassRecord* c = this; c; c = c->superclass) {
    if (c == &other) return true;
  }
  return false;
}

int ClassRecord::propertyIndex(std::string_view key) const {
  if (propertyIndexCache_.size() != properties.size()) {
    propertyIndexCache_.clear();
    // Later entries never shadow earlier ones: an inherited name wins.
    for (std::size_t i = properties.size(); i-- > 0;) {
      propertyIndexCache_[lowered(properties[i].name.bytes())] = static_cast<int>(i);
    }
  }
  auto it = propertyIndexCache_.find(lowered(key));
  return it == propertyIndexCache_.end() ? -1 : it->second;
}

const PropertyEntry* ClassRecord::findProperty(std::string_view key) const {
  int i = propertyIndex(key);
  return i < 0 ? nullptr : &properties[static_cast<std::size_t>(i)];
}

ClassRecord* RuntimeNewClass(const ClassRecord* superclass, std::uint32_t methodInfoCount,
                             std::uint32_t interfaceCount, std::uint32_t eventCount, std::uint32_t fifth,
                             std::uint32_t propertyCount, std::uint32_t classAttributeCount) {
  ClassRecord& r = recordStore().emplace_back();
  r.superclass = superclass;
  r.fifthCount = fifth;
  r.methodInfo.resize(methodInfoCount);
  r.events.resize(eventCount);
  r.properties.resize(propertyCount);
  r.classAttributes.resize(classAttributeCount);
  r.interfaces.resize(interfaceCount);
  if (superclass) {
    auto copyLeading = [](auto& dst, const auto& src) {
      for (std::size_t i = 0; i < dst.size() && i < src.size(); ++i) dst[i] = src[i];
    };
    copyLeading(r.methodInfo, superclass->methodInfo);
    copyLeading(r.events, superclass->events);
    copyLeading(r.properties, superclass->properties);
    copyLeading(r.interfaces, superclass->interfaces);
    r.factory = superclass->factory;
  }
  return &r;
}

std::vector<MethodSlot> RuntimeNewVtable(std::size_t slotCount) { return std::vector<MethodSlot>(slotCount); }

Attribute& RuntimeAllocateAttributeTable(std::vector<Attribute>& entryAttributes, std::size_t count) {
  entryAttributes.assign(count, Attribute{});
  if (count == 0) throw std::logic_error("an attribute table needs at least one attribute");
  return entryAttributes.front();
}

Ref<Object> RuntimeNewObject(const ClassRecord& cls) {
  if (!cls.factory) {
    raiseRuntimeException(RuntimeAddString("class has no framework base to make objects from: ", cls.name));
  }
  return Ref<Object>::adopt(cls.factory(cls));
}

Ref<Object> RuntimeCheckCast(Object* obj, const ClassRecord& cls) {
  if (!obj || !obj->classRecord().isa(cls)) return nullptr;
  return Ref<Object>::retain(obj);
}

bool RuntimeObjectIsa(const Object* obj, const ClassRecord& cls) { return obj && obj->classRecord().isa(cls); }

bool isHidden(const std::vector<Attribute>& attributes) {
  for (const Attribute& a : attributes) {
    if (a.name.bytes() == "Hidden") return true;
  }
  return false;
}

std::vector<IntrospectedMethod> introspectMethods(const ClassRecord& cls) {
  std::vector<IntrospectedMethod> out;
  for (const MethodInfo& m : cls.methodInfo) {
    if (!isHidden(m.attributes)) out.push_back({&m, m.name.bytes() == "Constructor"});
  }
  return out;
}

std::vector<const PropertyEntry*> introspectProperties(const ClassRecord& cls) {
  std::vector<const PropertyEntry*> out;
  for (const PropertyEntry& p : cls.properties) {
    if (!isHidden(p.attributes)) out.push_back(&p);
  }
  return out;
}

namespace detail {
void slotMismatch(const Object& self, const MethodSlot* slot, std::size_t index, std::string_view signature,
                  const char* why) {
  std::string msg = std::string(self.classRecord().name.bytes()) + " slot " + std::to_string(index);
  if (slot && slot->fn) msg += " (" + slot->member + " \"" + slot->signature + "\")";
  msg += std::string(" ") + why + "; the caller expected \"" + std::string(signature) + "\"";
  raiseRuntimeException(String(msg));
}
void functionMismatch(const MethodSlot& fn, std::string_view signature, const char* why) {
  std::string msg = "function entry";
  if (fn.fn) msg += " " + fn.member + " \"" + fn.signature + "\"";
  msg += std::string(" ") + why + "; the caller expected \"" + std::string(signature) + "\"";
  raiseRuntimeException(String(msg));
}
}  // namespace detail

const ClassRecord* RuntimeLookupClass(std::string_view name) {
  auto it = recordsByName().find(std::string(name));
  return it == recordsByName().end() ? nullptr : it->second;
}

namespace {

// Fills a record that RuntimeNewClass made for the desc; throws
// std::logic_error naming the class where the tables do not add up.
void fillRecord(ClassRecord* r, const ClassRecord* super, const ClassSpec& desc) {
  const ClassCounts& n = desc.counts;
  r->name = RuntimeLockString(String(desc.name));
  r->interfaceFlag = desc.interfaceFlag;
  r->instanceSize = (super ? super->instanceSize : 0) + desc.ownFieldBytes;
  r->reserved = 0;
  r->finalize = desc.finalize;
  if (desc.factory) r->factory = desc.factory;

  // Method table: inherited slots first, then the class's own.
  r->vtable = RuntimeNewVtable(desc.slotCount);
  if (super) {
    if (super->vtable.size() > desc.slotCount) descriptionError(desc, "fewer slots than its superclass");
    for (std::size_t i = 0; i < super->vtable.size(); ++i) r->vtable[i] = super->vtable[i];
  }
  for (const auto& [index, fn] : desc.slots) {
    if (index >= desc.slotCount) descriptionError(desc, "slot " + std::to_string(index) + " is beyond its slot count");
    if (!fn) descriptionError(desc, "slot " + std::to_string(index) + " is given no function");
    r->vtable[index] = fn;
  }
  for (std::size_t i = 0; i < r->vtable.size(); ++i) {
    if (!r->vtable[i]) descriptionError(desc, "slot " + std::to_string(i) + " is left empty");
  }

  auto checkCount = [&](const char* what, std::size_t inherited, std::size_t own, std::size_t total) {
    if (inherited + own != total) {
      descriptionError(desc, std::string(what) + ": " + std::to_string(inherited) + " inherited and " +
                          std::to_string(own) + " own entries make no " + std::to_string(total));
    }
  };

  const std::size_t superMethods = super ? super->methodInfo.size() : 0;
  checkCount("method info", superMethods, desc.methodInfo.size(), n.methodInfo);
  for (std::size_t i = 0; i < desc.methodInfo.size(); ++i) {
    const MethodInfoDecl& d = desc.methodInfo[i];
    MethodInfo& m = r->methodInfo[superMethods + i];
    m.name = RuntimeLockString(String(d.name));
    m.flags = d.flags;
    m.signature = RuntimeLockString(String(d.signature));
    m.function = d.function;
    m.invoker = d.invoker;
    m.attributes = makeAttributes(d.scope, d.hidden);
  }

  const std::size_t superEvents = super ? super->events.size() : 0;
  checkCount("events", superEvents, desc.ownEvents.size(), n.events);
  for (std::size_t i = 0; i < desc.ownEvents.size(); ++i) {
    r->events[superEvents + i].name = RuntimeLockString(String(desc.ownEvents[i]));
  }
  for (const auto& [event, handler] : desc.boundEvents) {
    if (event >= r->events.size()) descriptionError(desc, "binds event " + std::to_string(event) + " it does not have");
    r->events[event].handler = handler;
  }

  const std::size_t superProps = super ? super->properties.size() : 0;
  checkCount("properties", superProps, desc.properties.size(), n.properties);
  const std::uint32_t fieldBase = super ? super->instanceSize : 0;
  for (std::size_t i = 0; i < desc.properties.size(); ++i) {
    const PropertyDecl& d = desc.properties[i];
    PropertyEntry& p = r->properties[superProps + i];
    p.name = RuntimeLockString(String(d.name));
    p.flags = d.flags;
    p.type = RuntimeLockString(String(d.type));
    p.storage = d.fieldStorage ? fieldBase + d.storage : d.storage;
    p.getter = d.getter;
    p.setter = d.setter;
    p.valueGetter = d.valueGetter;
    p.valueSetter = d.valueSetter;
    p.attributes = makeAttributes(d.scope, d.hidden);
  }

  // A lookup made while the record was being filled may have indexed names
  // that were still empty.
  r->forgetPropertyIndex();

  checkCount("class attributes", 0, desc.classAttributes.size(), n.classAttributes);
  for (std::size_t i = 0; i < desc.classAttributes.size(); ++i) {
    r->classAttributes[i] = Attribute{RuntimeLockString(String(desc.classAttributes[i].first)),
                                      RuntimeLockString(String(desc.classAttributes[i].second)), true};
  }

  // An interface the superclass already has is filled again in its place;
  // any other is appended behind the inherited ones.
  const std::size_t superIfaces = super ? super->interfaces.size() : 0;
  std::size_t nextIface = superIfaces;
  for (const InterfaceDecl& d : desc.interfaces) {
    const ClassRecord* iface = d.lookup ? &d.lookup() : nullptr;
    std::size_t at = nextIface;
    for (std::size_t k = 0; k < superIfaces; ++k) {
      if (r->interfaces[k].interface == iface) at = k;
    }
    if (at == nextIface) ++nextIface;
    if (at >= r->interfaces.size()) descriptionError(desc, "more interfaces than its count");
    InterfaceEntry& e = r->interfaces[at];
    e.interface = iface;
    e.methodCount = static_cast<std::uint32_t>(d.table.size());
    e.table = RuntimeNewVtable(d.table.size());
    for (std::size_t k = 0; k < d.table.size(); ++k) e.table[k] = d.table[k];
  }
  checkCount("interfaces", superIfaces, nextIface - superIfaces, n.interfaces);
}

}  // namespace

const ClassRecord& buildClass(const ClassRecord*& cache, const ClassSpec& desc) {
  if (cache) return *cache;
  if (recordsByName().count(desc.name)) throw std::logic_error("class " + desc.name + " is built twice");
  const ClassRecord* super = desc.superLookup ? desc.superLookup() : nullptr;
  const ClassCounts& n = desc.counts;
  ClassRecord* r = RuntimeNewClass(super, n.methodInfo, n.interfaces, n.events, n.fifth, n.properties,
                                   n.classAttributes);
  // Known before it is filled, so that the class's own members can find it.
  cache = r;
  recordsByName()[desc.name] = r;
  try {
    fillRecord(r, super, desc);
  } catch (...) {
    // No half-built record is left to find, so the next build fails the same
    // way. The record itself stays in the store, unreachable.
    cache = nullptr;
    recordsByName().erase(desc.name);
    throw;
  }
  return *r;
}

}  // namespace rt
