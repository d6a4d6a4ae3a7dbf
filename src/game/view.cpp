#include "game/view.h"

#include "game/state.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/ui/framework.h"
#include "window/accessors.h"

namespace game {

rt::Object* present(const rt::Ref<rt::Object>& control) {
  if (!control) rt::RaiseNilObjectException();
  return control.get();
}

// Each Ref returned by an accessor lives to the end of its statement, so the
// control is released right after its one use.

void setQuestionText(rt::Object& window, const rt::String& text) {
  ui::TextArea_Text_Set(present(window1::OdaiAREA(window)), 0, text);
}

void setCardCaption(rt::Object& window, std::int32_t card, const rt::String& text) {
  ui::BevelButton_Caption_Set(present(window1::FudaButton(window, card)), 0, text);
}

void showScore(rt::Object& window) {
  const rt::Ref<rt::Object> button = window1::TokutenButton(window);
  ui::BevelButton_Caption_Set(present(button), 0, rt::Str(Tokuten(window), ""));
}

void setCircleVisible(rt::Object& window, bool visible) {
  ui::RectControl_Visible_Set(present(window1::Oval1(window)), 0, visible);
}

void setCrossLineVisible(rt::Object& window, std::int32_t line, bool visible) {
  ui::RectControl_Visible_Set(present(window1::Xline(window, line)), 0, visible);
}

}  // namespace game
