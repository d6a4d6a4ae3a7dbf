// The framework's value functions: Str, Chr, Rnd and the double-to-Int32
// conversion, plus Int32 arithmetic that wraps like the machine does.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/runtime/string.h"

namespace rt {

// Decimal text of i ("0", "-5", "80"). Only the empty format is supported;
// any other raises a RuntimeException rather than guess at a format language.
String Str(std::int32_t i, const String& format);

// One-character text holding the Unicode code point `code`, UTF-8 encoded.
// Codes outside Unicode scalar values raise a RuntimeException.
String Chr(std::int32_t code);

// A random double, uniform in [0, 1).
double Rnd();
// Replaces the source behind Rnd (tests force layouts with it); an empty
// function restores the default generator.
void setRandomSource(std::function<double()> source);

// Truncates toward zero. NaN gives 0; values beyond the Int32 range give the
// nearest end of the range, so no double converts with undefined behaviour.
std::int32_t RuntimeCvtReal64ToSInt32(double d);

// Int32 addition that wraps around on overflow, without signed overflow.
constexpr std::int32_t addWrapping(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace rt
