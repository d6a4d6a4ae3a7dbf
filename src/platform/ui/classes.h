// Class records of the framework's own classes. Each lookup builds its record
// (and its superclasses') on first use; the counts and slot orders are fixed,
// because program classes put their own members behind them.
#pragma once

#include "platform/runtime/class_record.h"

namespace ui {

const rt::ClassRecord& ApplicationClass();
const rt::ClassRecord& WindowClass();
const rt::ClassRecord& ControlClass();
const rt::ClassRecord& RectControlClass();
const rt::ClassRecord& TextAreaClass();
const rt::ClassRecord& LabelClass();
const rt::ClassRecord& OvalClass();
const rt::ClassRecord& LineClass();
const rt::ClassRecord& TimerClass();
const rt::ClassRecord& BevelButtonClass();
const rt::ClassRecord& MenuItemClass();
const rt::ClassRecord& MenuBarClass();
const rt::ClassRecord& QuitMenuItemClass();
// Interfaces.
const rt::ClassRecord& MouseEventsInterface();   // "_MouseEvents": _MouseDown, _MouseDrag, _MouseUp
const rt::ClassRecord& ActionSourceInterface();  // "actionSource"
const rt::ClassRecord& PaneChildInterface();     // "_PaneChild": _SetWindow, Window, _Index, _SetIndex
// "actionNotificationReceiver": PerformAction(sender), what an action source
// calls on the receivers added to it.
const rt::ClassRecord& ActionNotificationReceiverInterface();

// Builds every framework record (the first step of class initialisation).
void buildFrameworkClasses();

}  // namespace ui
