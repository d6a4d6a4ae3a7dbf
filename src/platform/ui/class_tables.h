// The table form in which the framework's classes are described: one table
// per class, with its counts, its slots (number, member, signature, function),
// its events, the handlers it binds, its properties (name, type, initial
// value, flags) and its interfaces. One builder turns a table into a record.
// Internal to the framework layer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/value.h"

namespace ui::tables {

using SlotMaker = rt::MethodSlot (*)(std::string member, std::string signature);

// A slot holding a member function of a framework model class.
template <auto M>
rt::MethodSlot member(std::string m, std::string s) {
  return rt::memberSlot<M>(std::move(m), std::move(s));
}
// A slot holding a function that takes the receiver as rt::Object&.
template <auto F>
rt::MethodSlot function(std::string m, std::string s) {
  return rt::makeSlot(std::move(m), std::move(s), F);
}

struct SlotRow {
  std::size_t slot;
  const char* name;  // as introspection lists it; "=Name" is the assignment form of Name
  const char* signature;
  SlotMaker make;
};

inline constexpr std::uint32_t kPublic = 1;
inline constexpr std::uint32_t kAssignment = 4;  // method info: assignment form
inline constexpr std::uint32_t kWritable = 4;    // property: has a setter
inline constexpr std::uint32_t kReadWrite = kPublic | kWritable;
inline constexpr std::uint32_t kReadOnly = kPublic;

struct PropRow {
  const char* name;
  const char* type;
  rt::Value initial{};  // empty: the zero of the type
  std::uint32_t flags = kReadWrite;
  const char* scope = "Public";
};

struct InterfaceRow {
  const rt::ClassRecord& (*lookup)();
  std::vector<std::size_t> slots;  // the class's slots, in the interface's member order
};

struct ClassTable {
  std::string name;
  const rt::ClassRecord* (*super)() = nullptr;  // null for a root class
  // Method info, interfaces, events, fifth, properties, class attributes:
  // all counts include the inherited members.
  rt::ClassCounts counts;
  std::size_t slotCount = 0;
  std::vector<SlotRow> slots;                              // own and overridden slots, in slot order
  std::vector<const char*> events;                         // own events, numbered on from the superclass's
  std::vector<std::pair<std::size_t, std::size_t>> bound;  // (event, slot of its class-level handler)
  std::vector<PropRow> properties;                         // own, behind the superclass's
  std::vector<InterfaceRow> interfaces;
  rt::ObjectFactory factory = nullptr;
};

// Builds the record into the cache unless it holds one. Method-info entries
// are the class's own slots in order, then a getter ("%<type>%", flags 1) and,
// for a writable property, a setter ("%%<type>", flags 5) for each own
// property, as many as the class's method-info count leaves for it. Throws
// std::logic_error naming the class when the table does not add up.
const rt::ClassRecord& build(const rt::ClassRecord*& cache, const ClassTable& table);

struct MemberRow {
  const char* name;
  const char* signature;
};
// An interface record (interface flag 1): its members are described by
// method-info entries; the classes that implement it supply the functions.
const rt::ClassRecord& buildInterface(const rt::ClassRecord*& cache, const char* name,
                                      const std::vector<MemberRow>& members);

// Property accessors by position in a record's property entries, shared by
// every class (a subclass keeps its superclass's positions).
inline constexpr std::size_t kMaxProperties = 64;
rt::Value readProperty(rt::Object& obj, std::size_t position);
void writeProperty(rt::Object& obj, std::size_t position, const rt::Value& v);

template <std::size_t I>
rt::Value readAt(rt::Object& obj) {
  return readProperty(obj, I);
}
template <std::size_t I>
void writeAt(rt::Object& obj, const rt::Value& v) {
  writeProperty(obj, I, v);
}
template <std::size_t... I>
constexpr auto makeReaders(std::index_sequence<I...>) {
  return std::array<rt::Value (*)(rt::Object&), sizeof...(I)>{&readAt<I>...};
}
template <std::size_t... I>
constexpr auto makeWriters(std::index_sequence<I...>) {
  return std::array<void (*)(rt::Object&, const rt::Value&), sizeof...(I)>{&writeAt<I>...};
}
inline constexpr auto kReaders = makeReaders(std::make_index_sequence<kMaxProperties>());
inline constexpr auto kWriters = makeWriters(std::make_index_sequence<kMaxProperties>());

}  // namespace ui::tables
