#include "game/dealing.h"

#include "game/view.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/string.h"

namespace game {

void FUDA(rt::Object& self) {
  const double x = rt::Rnd();
  const double y = x * 5.0;
  const std::int32_t pick = rt::RuntimeCvtReal64ToSInt32(y);

  for (const DecoyArrangement& layout : DecoyArrangements) {
    if (pick != layout.pick) continue;
    for (std::size_t phrase = 0; phrase < DecoyPhrases.size(); ++phrase) {
      setCardCaption(self, layout.cards[phrase], rt::String(DecoyPhrases[phrase]));
    }
    return;
  }
}

}  // namespace game
