#include "game/steps.h"

#include "game/dealing.h"
#include "game/state.h"
#include "game/view.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/ui/framework.h"

namespace game {

rt::String messageText(const MessageLines& lines) {
  rt::String text = rt::String(lines[0]);
  text = rt::RuntimeAddString(text, rt::Chr(13));
  text = rt::RuntimeAddString(text, rt::String(lines[1]));
  text = rt::RuntimeAddString(text, rt::Chr(13));
  return rt::RuntimeAddString(text, rt::String(lines[2]));
}

void Event_Open(rt::Object& self) {
  setCircleVisible(self, false);
  setCrossLineVisible(self, 0, false);
  setCrossLineVisible(self, 1, false);
  setKaisu(self, 0);
  setTokuten(self, 0);
}

void TokutenButton_Open(rt::Object& self, rt::Object* sender) {
  if (!sender) rt::RaiseNilObjectException();
  ui::BevelButton_Caption_Set(sender, 0, rt::Str(Tokuten(self), ""));
}

void StartButton_Action(rt::Object& self, rt::Object* /*sender*/) {
  try {
    setCircleVisible(self, false);
    setCrossLineVisible(self, 0, false);
    setCrossLineVisible(self, 1, false);

    showScore(self);

    const std::int32_t step = Kaisu(self);
    if (step == 0) {
      setQuestionText(self, messageText(WelcomeText));
      for (std::int32_t card = 0; card <= 4; ++card) setCardCaption(self, card, "");
      setKaisu(self, rt::addWrapping(Kaisu(self), 1));
    } else if (step == 1) {
      setQuestionText(self, messageText(InstructionText));
      setKaisu(self, rt::addWrapping(Kaisu(self), 1));
    } else if (step >= 2 && step <= 8) {
      const PoemRow& poem = PoemTable[static_cast<std::size_t>(step - 2)];
      setQuestionText(self, rt::String(poem.upper));
      FUDA(self);
      setKey(self, poem.key);
      setCardCaption(self, Key(self), rt::String(poem.lower));
    } else if (step == 9) {
      setQuestionText(self, messageText(EndText));
      setKaisu(self, 0);
      setTokuten(self, 0);
    }

    if (Kaisu(self) >= 11) {
      setKaisu(self, 0);
      setTokuten(self, 0);
    }
  } catch (...) {
    // A failing press ends at the failing step and is dropped whole: no
    // report, no re-raise, whatever was raised (framework exceptions carried
    // by rt::Raised and anything else alike). What was done stays done.
  }
}

}  // namespace game
