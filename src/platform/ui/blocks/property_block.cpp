#include "platform/ui/blocks/property_block.h"

#include <cstdint>
#include <string>

#include "platform/runtime/exceptions.h"

namespace ui {

namespace {

constexpr char kBlank = ' ';
// Keys longer than this are cut short in error messages.
constexpr std::size_t kShownKeyBytes = 64;

bool isKeyByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string hexByte(unsigned char b) {
  static const char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[b >> 4] + digits[b & 0x0F];
}

// The key as it can be shown: printable ASCII as is, any other byte as \xNN.
std::string shownKey(std::string_view key) {
  std::string out;
  for (std::size_t i = 0; i < key.size() && i < kShownKeyBytes; ++i) {
    const auto b = static_cast<unsigned char>(key[i]);
    if (b > 0x20 && b < 0x7F && b != '"' && b != '\\') {
      out += static_cast<char>(b);
    } else {
      out += "\\x" + hexByte(b).substr(2);
    }
  }
  if (key.size() > kShownKeyBytes) out += "...";
  return out;
}

class Walker {
 public:
  Walker(const rt::ClassRecord& cls, std::string_view bytes) : cls_(cls), bytes_(bytes) {}

  std::vector<DecodedEntry> decodeAll() {
    std::vector<DecodedEntry> entries;
    while (pos_ < bytes_.size()) entries.push_back(decodeEntry());
    return entries;
  }

 private:
  DecodedEntry decodeEntry() {
    DecodedEntry e;
    e.offset = pos_;
    readKey(e);
    e.property = cls_.findProperty(e.key);
    if (!e.property) fail(e, "the class has no property of that name");
    if (!e.property->setter) fail(e, "property " + e.property->name.str() + " cannot be set");
    e.value = readValue(e);
    return e;
  }

  void readKey(DecodedEntry& e) {
    std::size_t end = pos_;
    while (end < bytes_.size() && bytes_[end] != kBlank) {
      if (!isKeyByte(bytes_[end])) {
        e.key = std::string(bytes_.substr(pos_, end - pos_ + 1));
        fail(e, "byte " + hexByte(static_cast<unsigned char>(bytes_[end])) + " at byte " + std::to_string(end) +
                    " is not an ASCII letter or digit");
      }
      ++end;
    }
    e.key = std::string(bytes_.substr(pos_, end - pos_));
    if (end == bytes_.size()) fail(e, "the block ends inside the key");
    if (e.key.empty()) fail(e, "the key is empty");
    pos_ = end + 1;  // past the blank
  }

  rt::Value readValue(const DecodedEntry& e) {
    const std::string_view type = e.property->type.bytes();
    if (type == "i4") return rt::Value(toInt32(readWord(e, "an Int32")));
    if (type == "b") {
      const auto b = static_cast<unsigned char>(take(e, 1, "a Boolean")[0]);
      if (b > 1) {
        fail(e, "Boolean byte " + hexByte(b) + " at byte " + std::to_string(pos_ - 1) + " is neither 0 nor 1");
      }
      return rt::Value(b == 1);
    }
    if (type == "c") {
      const std::string_view c = take(e, 3, "a Color");
      return rt::Value(rt::Color{static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                                 static_cast<std::uint8_t>(c[2])});
    }
    if (type == "s") {
      const std::size_t countAt = pos_;
      const std::uint32_t n = readWord(e, "a String's byte count");
      if (n > bytes_.size() - pos_) {
        fail(e, "the String's byte count " + std::to_string(n) + " at byte " + std::to_string(countAt) +
                    " runs past the block's end (" + std::to_string(bytes_.size() - pos_) + " bytes left)");
      }
      const std::string_view text = take(e, n, "a String");
      return rt::Value(rt::String::fromBytes(text, rt::kEncodingUTF8));
    }
    fail(e, "property " + e.property->name.str() + " has type \"" + std::string(type) +
                "\", which a block cannot carry");
  }

  // Four bytes, most significant first.
  std::uint32_t readWord(const DecodedEntry& e, const char* what) {
    std::uint32_t word = 0;
    for (char c : take(e, 4, what)) word = (word << 8) | static_cast<unsigned char>(c);
    return word;
  }

  // Two's complement: the conversion is modulo 2^32, so 80 00 00 00 is the
  // smallest Int32.
  static std::int32_t toInt32(std::uint32_t word) { return static_cast<std::int32_t>(word); }

  std::string_view take(const DecodedEntry& e, std::size_t n, const char* what) {
    const std::size_t left = bytes_.size() - pos_;
    if (n > left) {
      fail(e, std::string("the block ends inside the value: ") + what + " needs " + std::to_string(n) +
                  (n == 1 ? " byte" : " bytes") + " at byte " + std::to_string(pos_) + ", " + std::to_string(left) +
                  " left");
    }
    const std::string_view out = bytes_.substr(pos_, n);
    pos_ += n;
    return out;
  }

  [[noreturn]] void fail(const DecodedEntry& e, const std::string& problem) const {
    rt::raiseRuntimeException(rt::String("property block for " + cls_.name.str() + ", key \"" + shownKey(e.key) +
                                         "\" at byte " + std::to_string(e.offset) + ": " + problem));
  }

  const rt::ClassRecord& cls_;
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<DecodedEntry> decodePropertyBlock(const rt::ClassRecord& cls, std::string_view bytes) {
  return Walker(cls, bytes).decodeAll();
}

void RuntimeMassPropertySetter(rt::Object* obj, const rt::String& block) {
  if (!obj) rt::RaiseNilObjectException(rt::String("RuntimeMassPropertySetter on a nil object"));
  const std::vector<DecodedEntry> entries = decodePropertyBlock(obj->classRecord(), block.bytes());
  // A setter that raises (a model that refuses a value) stops here; entries
  // before it stay set, as for any run of single property sets.
  for (const DecodedEntry& e : entries) e.property->setter(*obj, e.property->storage, e.value);
}

}  // namespace ui
