// The game's view of the window: the only operations by which the game
// changes what the player sees. Every call fetches its control afresh through
// Window1's accessors and raises NilObjectException when the window has none.
#pragma once

#include <cstdint>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"

namespace game {

// The control an accessor gave; nil raises NilObjectException.
rt::Object* present(const rt::Ref<rt::Object>& control);

// Replaces the whole text of the question area.
void setQuestionText(rt::Object& window, const rt::String& text);
// Replaces the caption of card `card` (0 to 4); the empty text blanks it.
void setCardCaption(rt::Object& window, std::int32_t card, const rt::String& text);
// The score button shows the decimal text of Tokuten.
void showScore(rt::Object& window);
void setCircleVisible(rt::Object& window, bool visible);
// Line `line` (0 or 1) of the cross mark.
void setCrossLineVisible(rt::Object& window, std::int32_t line, bool visible);

}  // namespace game
