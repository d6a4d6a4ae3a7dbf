// The twenty property blocks of Window1 and its controls: the packed initial
// settings the window and each control get when they are made (see
// platform/ui/blocks/property_block.h for the format). Each block is a
// constant string in the framework's literal form; its content is built at
// compile time from the entry tables in property_blocks.cpp.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/runtime/class_record.h"
#include "platform/runtime/string.h"
#include "platform/runtime/value.h"

namespace blocks {

// The framework's record of a constant string. The address of the text
// storage is a pointer, 8 bytes on a 64-bit build and kept on an 8-byte
// boundary, so the record is 32 bytes: count at 0, address at 8, then the
// four 32-bit words at 16, 20, 24 and 28.
struct StringLiteral {
  std::int32_t refCount;         // 1: a constant is never freed
  const std::uint8_t* storage;   // length byte, the content, one zero byte
  std::uint32_t reserved0;       // 0
  std::uint32_t length;          // byte length of the content; the one that counts
  std::uint32_t encoding;        // text-encoding tag: UTF-8 (0x08000100)
  std::uint32_t reserved1;       // 0

  // The content: `length` bytes behind the length byte, zero bytes included.
  std::string_view content() const { return {reinterpret_cast<const char*>(storage + 1), length}; }
};

// The literal as a framework string: the content's bytes and its encoding
// tag, with the length taken from the record, never from a terminator.
rt::String toString(const StringLiteral& literal);

// The window's block and the blocks of the controls outside arrays.
extern const StringLiteral& Window1;
extern const StringLiteral& OdaiAREA;
extern const StringLiteral& Label1;
extern const StringLiteral& Label2;
extern const StringLiteral& Oval1;
extern const StringLiteral& Timer1;
extern const StringLiteral& StartButton;
extern const StringLiteral& TokutenButton;
// Blocks of array elements by index: MiniLabel 0 to 4, Xline 0 and 1,
// FudaButton 0 to 4. Any other index raises a RuntimeException.
const StringLiteral& MiniLabel(std::int32_t index);
const StringLiteral& Xline(std::int32_t index);
const StringLiteral& FudaButton(std::int32_t index);

// The framework class a block is read against.
enum class ObjectKind { Window, TextArea, Label, Oval, Line, Timer, BevelButton };
const rt::ClassRecord& frameworkClass(ObjectKind kind);

// One entry as the tables write it. The type is the one the framework gives
// the property the key names; it fixes the value's form in the block.
struct Entry {
  std::string_view key;
  rt::ValueType type = rt::ValueType::Int32;
  std::int32_t int32 = 0;
  bool boolean = false;
  rt::Color color{};
  std::string_view text{};
};
rt::Value toValue(const Entry& entry);

struct Block {
  std::string_view name;        // the object's name ("Window1" for the window, "Timer1" for the timer)
  std::int32_t index;           // the array index; -2147483648 outside an array
  ObjectKind kind;
  const StringLiteral* literal;
  std::span<const Entry> entries;  // the entries the content holds, in block order
};

// All twenty blocks: window, text area, labels (Label1, MiniLabel 0 to 4,
// Label2), oval, lines (Xline 1, then 0), timer, bevel buttons (StartButton,
// FudaButton 0 to 4, TokutenButton).
std::span<const Block> all();

}  // namespace blocks
