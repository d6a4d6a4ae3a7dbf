// Class records: the description of one class that the runtime works from.
// A record is data: name, superclass, instance size, a method table whose
// slots carry their signature text, method-info entries, an event table,
// property entries, class attributes and interface tables. Records are made
// once and live to the end of the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/runtime/value.h"

namespace rt {

using ErasedFn = void (*)();

// One method-table slot: the function, its signature text and the C++ type
// it was stored with. A typed call checks both before calling.
struct MethodSlot {
  std::string member;     // e.g. "Window._ControlByName"
  std::string signature;  // e.g. "%o<Object>%s"
  const std::type_info* type = nullptr;
  ErasedFn fn = nullptr;

  explicit operator bool() const { return fn != nullptr; }
};

template <class R, class... A>
MethodSlot makeSlot(std::string member, std::string signature, R (*fn)(Object&, A...)) {
  return MethodSlot{std::move(member), std::move(signature), &typeid(R (*)(Object&, A...)),
                    reinterpret_cast<ErasedFn>(fn)};
}

// A plain function (no receiver), such as a start-up routine.
template <class R, class... A>
MethodSlot makeFunction(std::string member, std::string signature, R (*fn)(A...)) {
  return MethodSlot{std::move(member), std::move(signature), &typeid(R (*)(A...)), reinterpret_cast<ErasedFn>(fn)};
}

// The receiver as its C++ class; a receiver of another class raises.
template <class C>
C& receiverAs(Object& self, const char* member) {
  auto* c = dynamic_cast<C*>(&self);
  if (!c) raiseWrongReceiver(self, member);
  return *c;
}

template <auto M, class = decltype(M)>
struct MemberThunk;
template <auto M, class C, class R, class... A>
struct MemberThunk<M, R (C::*)(A...)> {
  static R call(Object& self, A... a) { return (receiverAs<C>(self, "method").*M)(std::forward<A>(a)...); }
};

// A slot for a member function of a framework class.
template <auto M>
MethodSlot memberSlot(std::string member, std::string signature) {
  return makeSlot(std::move(member), std::move(signature), &MemberThunk<M>::call);
}

namespace detail {
[[noreturn]] void slotMismatch(const Object& self, const MethodSlot* slot, std::size_t index,
                               std::string_view signature, const char* why);
}

template <class Sig>
struct SlotCall;
template <class R, class... A>
struct SlotCall<R(A...)> {
  using Fn = R (*)(Object&, A...);
  static Fn resolve(const Object& self, const MethodSlot* slot, std::size_t index, std::string_view signature) {
    if (!slot || !slot->fn) detail::slotMismatch(self, slot, index, signature, "is empty");
    if (slot->signature != signature) detail::slotMismatch(self, slot, index, signature, "has another signature");
    if (*slot->type != typeid(Fn)) detail::slotMismatch(self, slot, index, signature, "has another C++ type");
    return reinterpret_cast<Fn>(slot->fn);
  }
};

// Calls a function stored in a slot, checked against the expected signature.
template <class Sig, class... Args>
auto callFn(const MethodSlot& slot, std::string_view signature, Object& self, Args&&... args) {
  return SlotCall<Sig>::resolve(self, &slot, 0, signature)(self, std::forward<Args>(args)...);
}

namespace detail {
[[noreturn]] void functionMismatch(const MethodSlot& fn, std::string_view signature, const char* why);
}

// Calls a plain function entry, checked against the expected signature.
template <class Sig>
struct PlainCall;
template <class R, class... A>
struct PlainCall<R(A...)> {
  using Fn = R (*)(A...);
  static Fn resolve(const MethodSlot& fn, std::string_view signature) {
    if (!fn.fn) detail::functionMismatch(fn, signature, "is empty");
    if (fn.signature != signature) detail::functionMismatch(fn, signature, "has another signature");
    if (*fn.type != typeid(Fn)) detail::functionMismatch(fn, signature, "has another C++ type");
    return reinterpret_cast<Fn>(fn.fn);
  }
};
template <class Sig, class... Args>
auto callPlain(const MethodSlot& fn, std::string_view signature, Args&&... args) {
  return PlainCall<Sig>::resolve(fn, signature)(std::forward<Args>(args)...);
}

struct Attribute {
  String name;
  String value;
  bool hasValue = false;  // the flag byte: 1 for a string value, 0 for nil
};

using Invoker = Value (*)(const MethodSlot& fn, Object* receiver, const std::vector<Value>* args);

struct MethodInfo {
  String name;
  std::uint32_t flags = 0;  // 1 public, 2 shared, 4 assignment form, 8 parameter array
  std::vector<Attribute> attributes;
  String signature;
  MethodSlot function;
  Invoker invoker = nullptr;
};

struct EventEntry {
  String name;
  std::uint32_t frameworkWords[3] = {0, 0, 0};
  MethodSlot handler;  // class-level handler, signature "%%"
};

using PropertyGetter = Value (*)(Object& obj, std::uint32_t storage);
using PropertySetter = void (*)(Object& obj, std::uint32_t storage, const Value& v);
using PropertyValueGetter = Value (*)(PropertyGetter getter, Object& obj, std::uint32_t storage);
using PropertyValueSetter = void (*)(PropertySetter setter, Object& obj, std::uint32_t storage, const Value& v);

struct PropertyEntry {
  String name;
  std::uint32_t flags = 0;  // 1 public, 2 shared, 4 writable
  std::vector<Attribute> attributes;
  String type;  // "i4", "b", "c", "d", "f", "s", "o<Class>"
  std::uint32_t storage = 0;
  PropertyGetter getter = nullptr;
  PropertySetter setter = nullptr;
  PropertyValueGetter valueGetter = nullptr;
  PropertyValueSetter valueSetter = nullptr;
};

class ClassRecord;
struct InterfaceEntry {
  const ClassRecord* interface = nullptr;
  std::uint32_t methodCount = 0;
  std::vector<MethodSlot> table;
};

// Makes the native object of a framework class for a record of that class
// or of a subclass; the object carries one reference and has run no constructor.
using ObjectFactory = Object* (*)(const ClassRecord& cls);
using ClassRoutine = void (*)(Object& obj);

class ClassRecord {
 public:
  std::uint32_t frameworkWord0 = 0;
  const ClassRecord* superclass = nullptr;
  String name;
  std::uint32_t instanceSize = 0;
  std::uint8_t interfaceFlag = 0;
  std::uint32_t reserved = 0;
  ClassRoutine init = nullptr;
  ClassRoutine destructor = nullptr;
  ClassRoutine finalize = nullptr;  // run when an instance is destroyed
  std::vector<MethodSlot> vtable;
  std::vector<MethodInfo> methodInfo;
  std::vector<EventEntry> events;
  std::vector<PropertyEntry> properties;
  std::vector<Attribute> classAttributes;
  std::vector<InterfaceEntry> interfaces;
  std::uint32_t fifthCount = 0;
  ObjectFactory factory = nullptr;  // framework classes only

  bool isa(const ClassRecord& other) const;
  // The entry whose name equals the text without regard to letter case, or null.
  const PropertyEntry* findProperty(std::string_view name) const;
  int propertyIndex(std::string_view name) const;  // -1 when absent
  // Drops the name index, for a record whose property names were just filled.
  void forgetPropertyIndex() const { propertyIndexCache_.clear(); }

 private:
  mutable std::unordered_map<std::string, int> propertyIndexCache_;
};

// Calls slot `index` of the receiver's method table with the arguments,
// after checking that the slot holds a function of that signature.
template <class Sig, class... Args>
auto callSlot(Object& self, std::size_t index, std::string_view signature, Args&&... args) {
  const auto& table = self.classRecord().vtable;
  const MethodSlot* slot = index < table.size() ? &table[index] : nullptr;
  return SlotCall<Sig>::resolve(self, slot, index, signature)(self, std::forward<Args>(args)...);
}

// --- the runtime's class operations ---------------------------------------

// A new record with the superclass set and the method-info, event, property
// and interface arrays of the given lengths, their leading part holding the
// superclass's entries.
ClassRecord* RuntimeNewClass(const ClassRecord* superclass, std::uint32_t methodInfoCount,
                             std::uint32_t interfaceCount, std::uint32_t eventCount, std::uint32_t fifth,
                             std::uint32_t propertyCount, std::uint32_t classAttributeCount);
std::vector<MethodSlot> RuntimeNewVtable(std::size_t slotCount);
// Gives the entry an attribute table of `count` attributes and returns its first.
Attribute& RuntimeAllocateAttributeTable(std::vector<Attribute>& entryAttributes, std::size_t count);

// A new object of the class: never nil, own fields zero, one reference for the
// caller, no constructor run.
Ref<Object> RuntimeNewObject(const ClassRecord& cls);
// The object as an instance of the class; nil for nil or for an object of
// another class.
Ref<Object> RuntimeCheckCast(Object* obj, const ClassRecord& cls);
bool RuntimeObjectIsa(const Object* obj, const ClassRecord& cls);

// Typed cast for framework code: the object as C when its record is cls or a subclass.
template <class C>
Ref<C> checkCast(Object* obj, const ClassRecord& cls) {
  if (!obj || !obj->classRecord().isa(cls)) return nullptr;
  auto* c = dynamic_cast<C*>(obj);
  if (!c) return nullptr;
  return Ref<C>::retain(c);
}

// A new object of the class as the C++ model class T it must be; an object
// of another C++ class raises a RuntimeException naming the class.
template <class T>
Ref<T> newObjectAs(const ClassRecord& cls) {
  Ref<Object> obj = RuntimeNewObject(cls);
  auto* t = dynamic_cast<T*>(obj.get());
  if (!t) raiseRuntimeException(RuntimeAddString(cls.name, " does not make the object class asked for"));
  obj.release();
  return Ref<T>::adopt(t);
}

// --- introspection ---------------------------------------------------------

// A method as introspection lists it: an entry named "Constructor" is a
// constructor, every other one a method.
struct IntrospectedMethod {
  const MethodInfo* info = nullptr;
  bool isConstructor = false;
};
bool isHidden(const std::vector<Attribute>& attributes);
// The class's methods and properties, inherited ones first, leaving out
// every member whose attributes include "Hidden".
std::vector<IntrospectedMethod> introspectMethods(const ClassRecord& cls);
std::vector<const PropertyEntry*> introspectProperties(const ClassRecord& cls);

// --- declarative class descriptions ----------------------------------------

struct MethodInfoDecl {
  std::string name;
  std::uint32_t flags = 1;
  std::string signature;
  MethodSlot function;
  Invoker invoker = nullptr;
  bool hidden = false;  // adds the "Hidden" attribute after __Scope
  std::string scope = "Public";
};

struct PropertyDecl {
  std::string name;
  std::uint32_t flags = 5;
  std::string type;
  std::uint32_t storage = 0;  // byte offset within the class's own fields
  PropertyGetter getter = nullptr;
  PropertySetter setter = nullptr;
  PropertyValueGetter valueGetter = nullptr;
  PropertyValueSetter valueSetter = nullptr;
  std::string scope = "Public";
  bool hidden = false;
  // True for a field of the class's own (storage is then relative to the
  // class's own fields); false for a framework model's value index.
  bool fieldStorage = false;
};

struct InterfaceDecl {
  const ClassRecord& (*lookup)() = nullptr;
  std::vector<MethodSlot> table;
};

struct ClassCounts {
  std::uint32_t methodInfo = 0, interfaces = 0, events = 0, fifth = 0, properties = 0, classAttributes = 0;
};

struct ClassSpec {
  std::string name;
  std::uint8_t interfaceFlag = 0;  // 1 for an interface record
  const ClassRecord* (*superLookup)() = nullptr;  // null for a root class
  ClassCounts counts;
  std::uint32_t ownFieldBytes = 0;  // added to the superclass's instance size
  std::size_t slotCount = 0;
  // Slots the class fills itself (own members and overrides); every other
  // slot below the superclass's count is inherited.
  std::vector<std::pair<std::size_t, MethodSlot>> slots;
  std::vector<MethodInfoDecl> methodInfo;      // own entries, behind the superclass's
  std::vector<std::string> ownEvents;          // names of events the class declares
  std::vector<std::pair<std::size_t, MethodSlot>> boundEvents;  // class-level handlers
  std::vector<PropertyDecl> properties;        // own entries, behind the superclass's
  std::vector<std::pair<std::string, std::string>> classAttributes;  // (name, value)
  std::vector<InterfaceDecl> interfaces;       // own, behind the superclass's
  ClassRoutine finalize = nullptr;
  ObjectFactory factory = nullptr;
};

// The record built under that class name, or null.
const ClassRecord* RuntimeLookupClass(std::string_view name);

// Builds the record of the desc into `cache` unless it already holds one.
// The record is stored in the cache before it is filled, so a lookup made
// while it is being built finds it. Throws std::logic_error naming the class
// when the desc's tables do not add up to its counts.
const ClassRecord& buildClass(const ClassRecord*& cache, const ClassSpec& desc);

}  // namespace rt
