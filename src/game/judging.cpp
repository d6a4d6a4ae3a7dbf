#include "game/judging.h"

#include "game/state.h"
#include "game/view.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/ui/framework.h"
#include "window/control_classes.h"

namespace game {

namespace {
// The sender as a card, or nil when it is none.
rt::Ref<rt::Object> asCard(rt::Object* sender) { return rt::RuntimeCheckCast(sender, window1::FudaButtonClass()); }
}  // namespace

void FudaButton_Action(rt::Object& self, rt::Object* sender) {
  const rt::Ref<rt::Object> card = asCard(sender);
  if (!card) rt::RaiseNilObjectException();

  const std::int32_t step = Kaisu(self);
  if (step >= 2 && step <= 9) {
    const std::int32_t i = ui::Control_Index_Get(card.get(), 0);
    if (Key(self) == i) {
      if (step <= 8) {
        setCircleVisible(self, true);
        setTokuten(self, rt::addWrapping(Tokuten(self), 10));
      } else {
        setTokuten(self, rt::addWrapping(Tokuten(self), 10));
        setCircleVisible(self, true);
      }
    } else {
      setCrossLineVisible(self, 0, true);
      setCrossLineVisible(self, 1, true);
    }
  }

  showScore(self);
  setKaisu(self, rt::addWrapping(Kaisu(self), 1));
}

}  // namespace game
