#include "game/view.h"

#include "game/state.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/ui/framework.h"
#include "window/accessors.h"

namespace game {

rt::Object* present(const rt::Ref<rt::Object>& control) {
  if (!control) rt::RaiseNilObjectException();
  return control.get();
}

namespace {

// The control that Window1's accessor in `slot` gives: the game reaches every
// control through the window's method table, never through a field.
rt::Ref<rt::Object> fetch(rt::Object& window, std::size_t slot, const char* signature) {
  return rt::callSlot<rt::Ref<rt::Object>()>(window, slot, signature);
}
rt::Ref<rt::Object> fetch(rt::Object& window, std::size_t slot, const char* signature, std::int32_t index) {
  return rt::callSlot<rt::Ref<rt::Object>(std::int32_t)>(window, slot, signature, index);
}

}  // namespace

// Each Ref returned by an accessor lives to the end of its statement, so the
// control is released right after its one use.

void setQuestionText(rt::Object& window, const rt::String& text) {
  ui::TextArea_Text_Set(present(fetch(window, window1::kOdaiAREASlot, window1::kOdaiAREASig)), 0, text);
}

void setCardCaption(rt::Object& window, std::int32_t card, const rt::String& text) {
  ui::BevelButton_Caption_Set(present(fetch(window, window1::kFudaButtonSlot, window1::kFudaButtonSig, card)), 0, text);
}

void showScore(rt::Object& window) {
  const rt::Ref<rt::Object> button = fetch(window, window1::kTokutenButtonSlot, window1::kTokutenButtonSig);
  ui::BevelButton_Caption_Set(present(button), 0, rt::Str(Tokuten(window), ""));
}

void setCircleVisible(rt::Object& window, bool visible) {
  ui::RectControl_Visible_Set(present(fetch(window, window1::kOval1Slot, window1::kOval1Sig)), 0, visible);
}

void setCrossLineVisible(rt::Object& window, std::int32_t line, bool visible) {
  ui::RectControl_Visible_Set(present(fetch(window, window1::kXlineSlot, window1::kXlineSig, line)), 0, visible);
}

}  // namespace game
