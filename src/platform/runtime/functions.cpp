#include "platform/runtime/functions.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "platform/runtime/exceptions.h"

namespace rt {

namespace {

std::function<double()>& randomSource() {
  static std::function<double()> source;
  return source;
}

double defaultRandom() {
  static std::mt19937_64 engine{std::random_device{}()};
  // 53 random bits scaled into [0, 1): never 1.0, unlike some canonical
  // generators.
  return static_cast<double>(engine() >> 11) * 0x1.0p-53;
}

}  // namespace

String Str(std::int32_t i, const String& format) {
  if (!format.empty()) raiseRuntimeException(RuntimeAddString("Str: unsupported format ", format));
  return String(std::to_string(i));
}

String Chr(std::int32_t code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    raiseRuntimeException(String("Chr: " + std::to_string(code) + " is not a Unicode code point"));
  }
  const auto c = static_cast<std::uint32_t>(code);
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return String::fromBytes(out, kEncodingUTF8);
}

double Rnd() { return randomSource() ? randomSource()() : defaultRandom(); }

void setRandomSource(std::function<double()> source) { randomSource() = std::move(source); }

std::int32_t RuntimeCvtReal64ToSInt32(double d) {
  if (std::isnan(d)) return 0;
  const double t = std::trunc(d);
  if (t >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (t <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(t);
}

}  // namespace rt
