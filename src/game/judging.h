// Judging a card press: the pick against Key, the circle or the cross, the
// score, and the step moved on.
#pragma once

#include "platform/runtime/object.h"

namespace game {

// The Action event of every card; the sender is the pressed card.
void FudaButton_Action(rt::Object& self, rt::Object* sender);

}  // namespace game
