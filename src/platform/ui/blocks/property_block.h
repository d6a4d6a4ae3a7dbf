// The property-block reader: sets the initial properties of a window or a
// control from one packed block of entries.
//
// A block is entries and nothing else, from byte 0 to its byte length: a key
// (ASCII letters and digits), one blank, then the value in the form of the
// type of the property the key names ("i4" 4 bytes big-endian signed, "b" one
// byte 0 or 1, "c" 3 bytes red, green, blue, "s" a 4-byte big-endian byte
// count and that many bytes of UTF-8). A value's width is known only from
// its key, so a block can only be walked from its first byte, and a key the
// class does not know cannot be stepped over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/runtime/value.h"

namespace ui {

struct DecodedEntry {
  std::string key;                               // as stored in the block
  std::size_t offset = 0;                        // byte offset of the key's first byte
  const rt::PropertyEntry* property = nullptr;   // the class's entry the key names
  rt::Value value;                               // of the kind the entry's type gives
};

// Decodes a whole block against the class's property table (inherited
// entries included, letter case ignored). A block that is not well formed
// raises a RuntimeException naming the key and the byte offset; nothing is
// ever read past the end of `bytes`.
std::vector<DecodedEntry> decodePropertyBlock(const rt::ClassRecord& cls, std::string_view bytes);

// Sets every property the block names, in block order. The block is decoded
// in full first, so a malformed block raises before any property changes.
// A nil object raises NilObjectException.
void RuntimeMassPropertySetter(rt::Object* obj, const rt::String& block);

}  // namespace ui
