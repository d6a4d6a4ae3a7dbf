#include "platform/ui/class_tables.h"

#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "platform/runtime/exceptions.h"
#include "platform/ui/model.h"

namespace ui::tables {

namespace {

[[noreturn]] void tableError(const std::string& cls, const std::string& what) {
  throw std::logic_error("framework class " + cls + ": " + what);
}

std::string lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

rt::MethodSlot slotFor(const ClassTable& t, const rt::ClassRecord* super,
                       const std::map<std::size_t, rt::MethodSlot>& own, std::size_t slot) {
  if (auto it = own.find(slot); it != own.end()) return it->second;
  if (super && slot < super->vtable.size()) return super->vtable[slot];
  tableError(t.name, "slot " + std::to_string(slot) + " has no function");
}

void addMethodInfo(const ClassTable& t, const rt::ClassRecord* super, rt::ClassSpec& desc,
                   const std::map<std::size_t, rt::MethodSlot>& own) {
  const std::size_t inherited = super ? super->methodInfo.size() : 0;
  if (t.counts.methodInfo < inherited) tableError(t.name, "fewer method-info entries than its superclass");
  const std::size_t wanted = t.counts.methodInfo - inherited;
  auto add = [&](rt::MethodInfoDecl d) {
    if (desc.methodInfo.size() < wanted) desc.methodInfo.push_back(std::move(d));
  };
  for (const SlotRow& row : t.slots) {
    std::string name = row.name;
    std::uint32_t flags = kPublic;
    if (name.starts_with("=")) {
      name.erase(0, 1);
      flags |= kAssignment;
    }
    add(rt::MethodInfoDecl{.name = name, .flags = flags, .signature = row.signature, .function = own.at(row.slot)});
  }
  const std::size_t firstProperty = super ? super->properties.size() : 0;
  for (std::size_t i = 0; i < t.properties.size(); ++i) {
    const PropRow& p = t.properties[i];
    const std::size_t at = firstProperty + i;
    const std::string member = t.name + "." + p.name;
    const std::string type = p.type;
    const std::uint32_t scope = p.flags & kPublic;
    add(rt::MethodInfoDecl{.name = p.name,
                           .flags = scope,
                           .signature = "%" + type + "%",
                           .function = rt::makeSlot(member + ".Get", "%" + type + "%", kReaders[at]),
                           .scope = p.scope});
    if (p.flags & kWritable) {
      add(rt::MethodInfoDecl{.name = p.name,
                             .flags = scope | kAssignment,
                             .signature = "%%" + type,
                             .function = rt::makeSlot(member + ".Set", "%%" + type, kWriters[at]),
                             .scope = p.scope});
    }
  }
  if (desc.methodInfo.size() != wanted) {
    tableError(t.name, "its members describe " + std::to_string(desc.methodInfo.size()) + " of its " +
                           std::to_string(wanted) + " own method-info entries");
  }
}

std::vector<rt::Value> addProperties(const ClassTable& t, const rt::ClassRecord* super, rt::ClassSpec& desc) {
  const std::size_t first = super ? super->properties.size() : 0;
  if (first + t.properties.size() > kMaxProperties) tableError(t.name, "more properties than the accessors cover");
  std::vector<rt::Value> initial;
  if (super) {
    if (const std::vector<rt::Value>* d = frameworkDefaults(*super)) initial = *d;
  }
  if (initial.size() != first) tableError(t.name, "its superclass has no initial values for its properties");
  std::set<std::string> names;
  for (std::size_t i = 0; i < t.properties.size(); ++i) {
    const PropRow& p = t.properties[i];
    // Keys are matched without regard to case: a name may stand once per chain.
    if ((super && super->findProperty(p.name)) || !names.insert(lowered(p.name)).second) {
      tableError(t.name, std::string("property ") + p.name + " is declared twice");
    }
    rt::Value zero = zeroValueOf(p.type);
    if (!std::holds_alternative<std::monostate>(p.initial) && !std::holds_alternative<std::monostate>(zero) &&
        p.initial.index() != zero.index()) {
      tableError(t.name, std::string("property ") + p.name + " starts with a value of another type");
    }
    initial.push_back(std::holds_alternative<std::monostate>(p.initial) ? zero : p.initial);
    desc.properties.push_back(rt::PropertyDecl{.name = p.name,
                                               .flags = p.flags,
                                               .type = p.type,
                                               .storage = static_cast<std::uint32_t>(first + i),
                                               .getter = modelGetValue,
                                               .setter = (p.flags & kWritable) ? modelSetValue : nullptr,
                                               .scope = p.scope});
  }
  return initial;
}

}  // namespace

rt::Value readProperty(rt::Object& obj, std::size_t position) {
  const auto& props = obj.classRecord().properties;
  if (position >= props.size() || !props[position].getter) {
    rt::raiseRuntimeException(
        rt::String(obj.classRecord().name.str() + " has no property number " + std::to_string(position)));
  }
  return props[position].getter(obj, props[position].storage);
}

void writeProperty(rt::Object& obj, std::size_t position, const rt::Value& v) {
  const auto& props = obj.classRecord().properties;
  if (position >= props.size() || !props[position].setter) {
    rt::raiseRuntimeException(
        rt::String(obj.classRecord().name.str() + " has no settable property number " + std::to_string(position)));
  }
  props[position].setter(obj, props[position].storage, v);
}

const rt::ClassRecord& build(const rt::ClassRecord*& cache, const ClassTable& t) {
  if (cache) return *cache;
  const rt::ClassRecord* super = t.super ? t.super() : nullptr;
  rt::ClassSpec desc;
  desc.name = t.name;
  desc.superLookup = t.super;
  desc.counts = t.counts;
  desc.slotCount = t.slotCount;
  desc.factory = t.factory;

  std::map<std::size_t, rt::MethodSlot> own;
  for (const SlotRow& row : t.slots) {
    if (own.count(row.slot)) tableError(t.name, "slot " + std::to_string(row.slot) + " is given twice");
    rt::MethodSlot slot = row.make(t.name + "." + row.name, row.signature);
    own[row.slot] = slot;
    desc.slots.emplace_back(row.slot, std::move(slot));
  }
  addMethodInfo(t, super, desc, own);
  for (const char* e : t.events) desc.ownEvents.emplace_back(e);
  for (const auto& [event, slot] : t.bound) desc.boundEvents.emplace_back(event, slotFor(t, super, own, slot));
  std::vector<rt::Value> initial = addProperties(t, super, desc);
  for (const InterfaceRow& i : t.interfaces) {
    rt::InterfaceDecl d{.lookup = i.lookup, .table = {}};
    for (std::size_t slot : i.slots) d.table.push_back(slotFor(t, super, own, slot));
    desc.interfaces.push_back(std::move(d));
  }
  const rt::ClassRecord& record = rt::buildClass(cache, desc);
  setFrameworkDefaults(record, std::move(initial));
  return record;
}

const rt::ClassRecord& buildInterface(const rt::ClassRecord*& cache, const char* name,
                                      const std::vector<MemberRow>& members) {
  if (cache) return *cache;
  rt::ClassSpec desc;
  desc.name = name;
  desc.interfaceFlag = 1;
  desc.counts.methodInfo = static_cast<std::uint32_t>(members.size());
  for (const MemberRow& m : members) {
    desc.methodInfo.push_back(rt::MethodInfoDecl{.name = m.name, .signature = m.signature});
  }
  return rt::buildClass(cache, desc);
}

}  // namespace ui::tables
