// The game state: three Int32 properties of the game window, read and written
// through the window's class record, so the same code serves any window class
// that declares them.
#pragma once

#include <cstdint>

#include "platform/runtime/fields.h"
#include "platform/runtime/object.h"

namespace game {

// The step: 0 welcome next, 1 instructions next, 2 to 8 a poem asked, 9 the
// end text next, 10 and more past the end.
inline std::int32_t Kaisu(rt::Object& window) { return rt::int32Property(window, "Kaisu"); }
inline void setKaisu(rt::Object& window, std::int32_t value) { rt::setInt32Property(window, "Kaisu", value); }

// The card (0 to 4) that carries the correct lower phrase of the poem shown.
inline std::int32_t Key(rt::Object& window) { return rt::int32Property(window, "Key"); }
inline void setKey(rt::Object& window, std::int32_t value) { rt::setInt32Property(window, "Key", value); }

// The score.
inline std::int32_t Tokuten(rt::Object& window) { return rt::int32Property(window, "Tokuten"); }
inline void setTokuten(rt::Object& window, std::int32_t value) { rt::setInt32Property(window, "Tokuten", value); }

}  // namespace game
