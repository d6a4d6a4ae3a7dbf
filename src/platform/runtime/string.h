// The framework's text type: an immutable run of bytes with an explicit byte
// length and a text-encoding tag. Zero bytes are ordinary content, so a
// string never ends at a terminator. Copies share one counted buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace rt {

inline constexpr std::uint32_t kEncodingUTF8 = 0x08000100;

class String {
 public:
  String() = default;
  // UTF-8 text (the usual case for every text of the program).
  String(std::string_view utf8);  // NOLINT(google-explicit-constructor): texts read best as literals
  String(const char* utf8) : String(std::string_view(utf8)) {}  // NOLINT
  static String fromBytes(std::string_view bytes, std::uint32_t encoding);

  std::string_view bytes() const;
  std::string str() const { return std::string(bytes()); }
  std::size_t size() const { return bytes().size(); }
  bool empty() const { return size() == 0; }
  std::uint32_t encoding() const { return buffer_ ? buffer_->encoding : kEncodingUTF8; }

  // How many handles share this string's buffer; 0 for the empty default.
  long refCount() const { return buffer_.use_count(); }

  friend bool operator==(const String& a, const String& b) { return a.bytes() == b.bytes(); }

 private:
  struct Buffer {
    std::string bytes;
    std::uint32_t encoding;
  };
  std::shared_ptr<const Buffer> buffer_;
};

// Counted references for strings kept in long-lived records.
String RuntimeLockString(const String& s);
void RuntimeUnlockString(String& s);

// a followed by b; the encoding of a non-empty a wins.
String RuntimeAddString(const String& a, const String& b);

}  // namespace rt
