#include "platform/runtime/string.h"

namespace rt {

String::String(std::string_view utf8) {
  if (!utf8.empty()) buffer_ = std::make_shared<const Buffer>(Buffer{std::string(utf8), kEncodingUTF8});
}

String String::fromBytes(std::string_view bytes, std::uint32_t encoding) {
  String s;
  s.buffer_ = std::make_shared<const Buffer>(Buffer{std::string(bytes), encoding});
  return s;
}

std::string_view String::bytes() const { return buffer_ ? std::string_view(buffer_->bytes) : std::string_view(); }

String RuntimeLockString(const String& s) { return s; }

void RuntimeUnlockString(String& s) { s = String(); }

String RuntimeAddString(const String& a, const String& b) {
  if (b.empty()) return a;
  if (a.empty()) return b;
  std::string joined;
  joined.reserve(a.size() + b.size());
  joined.append(a.bytes());
  joined.append(b.bytes());
  return String::fromBytes(joined, a.encoding());
}

}  // namespace rt
