// The framework's classes, one table each. Slot numbers and counts are fixed:
// program classes put their own members behind them. Properties carry the
// type text that the property-block reader decodes by: "i4" 32-bit integer,
// "b" boolean, "c" colour, "s" string, "d" double, "f" single (kept as a
// double), "o<Class>" object, "v" any value.
#include "platform/ui/classes.h"

#include "platform/ui/application.h"
#include "platform/ui/class_tables.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"

namespace ui {

using namespace tables;

namespace {

template <class T>
rt::Object* make(const rt::ClassRecord& cls) {
  return new T(cls);
}

// __DependencyList: the records a class needs built before its own.
template <const rt::ClassRecord& (*Cls)()>
DependencyList dependencies(rt::Object& /*self*/) {
  const rt::ClassRecord& c = Cls();
  DependencyList list;
  if (c.superclass) list.push_back(c.superclass);
  for (const rt::InterfaceEntry& i : c.interfaces) {
    if (i.interface) list.push_back(i.interface);
  }
  return list;
}

const rt::Color kWhite{255, 255, 255};

}  // namespace

// Tables are laid out as tables.
// clang-format off

// --- interfaces ----------------------------------------------------------------

const rt::ClassRecord& MouseEventsInterface() {
  static const rt::ClassRecord* cache = nullptr;
  return buildInterface(cache, "_MouseEvents",
                        {{"_MouseDown", "%b%i4i4"}, {"_MouseDrag", "%%i4i4"}, {"_MouseUp", "%%i4i4"}});
}

const rt::ClassRecord& ActionSourceInterface() {
  static const rt::ClassRecord* cache = nullptr;
  return buildInterface(cache, "actionSource",
                        {{"addActionNotificationReceiver", "%%o<actionNotificationReceiver>"},
                         {"removeActionNotificationReceiver", "%%o<actionNotificationReceiver>"}});
}

const rt::ClassRecord& PaneChildInterface() {
  static const rt::ClassRecord* cache = nullptr;
  return buildInterface(cache, "_PaneChild",
                        {{"_SetWindow", "%%o<Window>"}, {"Window", "%o<Window>%"}, {"_Index", "%i4%"},
                         {"_SetIndex", "%%i4"}});
}

const rt::ClassRecord& ActionNotificationReceiverInterface() {
  static const rt::ClassRecord* cache = nullptr;
  return buildInterface(cache, "actionNotificationReceiver", {{"PerformAction", "%%o<Object>"}});
}

// --- Application -----------------------------------------------------------------

const rt::ClassRecord& ApplicationClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using A = Application;
  return build(cache, ClassTable{
    .name = "Application",
    .counts = {.methodInfo = 47, .interfaces = 0, .events = 10, .fifth = 0, .properties = 19, .classAttributes = 0},
    .slotCount = 17,
    .slots = {
      {0, "NewDocument", "%%", member<&A::newDocument>},
      {1, "OpenDocument", "%%o<FolderItem>", member<&A::openDocument>},
      {2, "DoEvents", "%%i4", member<&A::doEvents>},
      {3, "_AddMenuHandler", "%%sp", member<&A::addMenuHandler>},
      {4, "_AddPollableObject", "%%o<Object>", member<&A::addPollableObject>},
      {5, "_RemovePollableObject", "%%o<Object>", member<&A::removePollableObject>},
      {6, "AddTrayItem", "%%o<TrayItem>", member<&A::addTrayItem>},
      {7, "RemoveTrayItem", "%%o<TrayItem>", member<&A::removeTrayItem>},
      {8, "YieldToNextThread", "%%", member<&A::yieldToNextThread>},
      {9, "SleepCurrentThread", "%%i4", member<&A::sleepCurrentThread>},
      {10, "_DoSingleEvent", "%%", member<&A::doSingleEvent>},
      {11, "_EnableMenuItems", "%%", member<&A::enableMenuItems>},
      {12, "_CallOpen", "%%", member<&A::callOpen>},
      {13, "_HandleMenuCommand", "%b%s", member<&A::handleMenuCommand>},
      {14, "_LoadPictureFromBundle", "%o<Picture>%s", member<&A::loadPictureFromBundle>},
      {15, "_LoadBundleSound", "%o<Sound>%s", member<&A::loadBundleSound>},
      {16, "__DependencyList", "%p%", function<&dependencies<&ApplicationClass>>},
    },
    .events = {"Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent", "Activate",
               "Deactivate", "UnhandledException", "CancelClose"},
    .properties = {
      {"MenuBar", "o<MenuBar>"},
      {"AutoQuit", "b"},
      {"MajorVersion", "i4", std::int32_t{1}},
      {"MinorVersion", "i4"},
      {"BugVersion", "i4"},
      {"StageCode", "i4"},
      {"NonReleaseVersion", "i4"},
      {"ShortVersion", "s"},
      {"LongVersion", "s"},
      {"PackageInfo", "s"},
      {"ExecutableName", "s"},
      {"BundleIdentifier", "s"},
      {"ApplicationName", "s"},
      {"Language", "s"},
      {"ResourcesPath", "s"},
      {"CommandLine", "s"},
      {"ExitCode", "i4"},
      {"Active", "b", {}, kReadOnly},
      {"DarkMode", "b", {}, kReadOnly},
    },
    .factory = make<Application>,
  });
}

// --- Window ------------------------------------------------------------------------

const rt::ClassRecord& WindowClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using W = Window;
  return build(cache, ClassTable{
    .name = "Window",
    .counts = {.methodInfo = 130, .interfaces = 0, .events = 33, .fifth = 0, .properties = 49, .classAttributes = 0},
    .slotCount = 51,
    .slots = {
      {0, "Show", "%%", member<&W::show>},
      {1, "ShowWithin", "%%o<Window>", member<&W::showWithin>},
      {2, "ShowModalWithin", "%%o<Window>", member<&W::showModalWithin>},
      {3, "Hide", "%%", member<&W::hide>},
      {4, "Close", "%%", member<&W::closeSlot>},
      {5, "Refresh", "%%", member<&W::refresh>},
      {6, "RefreshRect", "%%i4i4i4i4", member<&W::refreshRect>},
      {7, "ShowModal", "%%", member<&W::showModal>},
      {8, "AcceptTextDrop", "%%", member<&W::acceptTextDrop>},
      {9, "AcceptPictureDrop", "%%", member<&W::acceptPictureDrop>},
      {10, "AcceptFileDrop", "%%s", member<&W::acceptFileDrop>},
      {11, "AcceptMacDataDrop", "%%s", member<&W::acceptMacDataDrop>},
      {12, "AcceptRawDataDrop", "%%s", member<&W::acceptRawDataDrop>},
      {13, "Control", "%o<Control>%i4", member<&W::controlAt>},
      {14, "SetFocus", "%%", member<&W::setFocusSlot>},
      {15, "DrawInto", "%%o<Graphics>i4i4", member<&W::drawInto>},
      {16, "UpdateNow", "%%", member<&W::updateNow>},
      {17, "_AddControl", "%%so<Control>", member<&W::addControlSlot>},
      {18, "_AddMenuHandler", "%%sp", member<&W::addMenuHandler>},
      {19, "Window", "%o<Window>%", member<&W::self>},
      {20, "Operator_Convert", "%o<Window>%", member<&W::self>},
      {21, "__New", "%o<Control>%p", member<&W::newControlSlot>},
      {22, "_Move", "%%i4i4i4i4", member<&W::move>},
      {23, "Maximize", "%%", member<&W::maximize>},
      {24, "Minimize", "%%", member<&W::minimize>},
      {25, "Restore", "%%", member<&W::restore>},
      {26, "_Update", "%%", member<&W::update>},
      {27, "_CallMoved", "%%", member<&W::callMoved>},
      {28, "_EnableMenuItems", "%%", member<&W::enableMenuItems>},
      {29, "_CallActivated", "%%", member<&W::callActivated>},
      {30, "_CallDeactivated", "%%", member<&W::callDeactivated>},
      {31, "_HandleMenuCommand", "%b%s", member<&W::handleMenuCommand>},
      {32, "_UnifiedClose", "%%", member<&W::unifiedClose>},
      {33, "_CallMouseDown", "%b%i4i4", member<&W::callMouseDown>},
      {34, "_CallResized", "%%", member<&W::callResized>},
      {35, "_CallResizing", "%%", member<&W::callResizing>},
      {36, "_RemoveControl", "%%o<Control>", member<&W::removeControlSlot>},
      {37, "_MouseEnter", "%%", member<&W::mouseEnter>},
      {38, "_MouseExit", "%%", member<&W::mouseExit>},
      {39, "_MouseMove", "%%i4i4", member<&W::mouseMove>},
      {40, "_Paint", "%%", member<&W::paint>},
      {41, "_MouseWheel", "%b%i4i4i4i4", member<&W::mouseWheel>},
      {42, "_KeyDown", "%b%s", member<&W::keyDown>},
      {43, "__DependencyList", "%p%", function<&dependencies<&WindowClass>>},
      {44, "Constructor", "%%", member<&W::constructSlot>},
      {45, "TrueWindow", "%o<Window>%", member<&W::self>},
      {46, "FocusNext", "%%", member<&W::focusNext>},
      {47, "FocusPrevious", "%%", member<&W::focusPrevious>},
      {48, "_ControlByName", "%o<Control>%s", member<&W::controlByNameSlot>},
      {49, "_ControlByNameIndex", "%o<Control>%si4", member<&W::controlByNameIndexSlot>},
      {50, "_DrawBackground", "%%o<Graphics>", member<&W::drawBackground>},
    },
    .events = {"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close", "CancelClose",
               "KeyDown", "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown", "MouseDrag",
               "MouseUp", "EnableMenuItems", "Resized", "Resizing", "Moved", "DropObject", "Activate",
               "Deactivate", "Minimize", "Maximize", "Restore", "MouseWheel", "ConstructContextualMenu",
               "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "ContentsChanged"},
    .properties = {
      // The keys of the window's property block.
      {"Placement", "i4"},
      {"Width", "i4", std::int32_t{600}},
      {"Height", "i4", std::int32_t{400}},
      {"MinWidth", "i4", std::int32_t{64}},
      {"MinHeight", "i4", std::int32_t{64}},
      {"MaxWidth", "i4", std::int32_t{32000}},
      {"MaxHeight", "i4", std::int32_t{32000}},
      {"Frame", "i4"},
      {"Composite", "b"},
      {"HasBackColor", "b"},
      {"BackColor", "c", kWhite},
      {"Title", "s"},
      {"Visible", "b", true},
      {"FullScreen", "b"},
      {"MenuBarVisible", "b", true},
      {"CloseButton", "b", true},
      {"Resizeable", "b"},
      {"LiveResize", "b"},
      {"MaximizeButton", "b"},
      {"MinimizeButton", "b"},
      {"MacProcId", "i4"},
      // The rest of the window's state.
      {"MenuBar", "o<MenuBar>"},
      {"Left", "i4"},
      {"Top", "i4"},
      {"Handle", "i4", {}, kReadOnly},
      {"MouseX", "i4", {}, kReadOnly},
      {"MouseY", "i4", {}, kReadOnly},
      {"ControlCount", "i4", {}, kReadOnly},
      {"IsOpen", "b", {}, kReadOnly},
      {"Focus", "o<RectControl>", {}, kReadOnly},
      {"Active", "b", {}, kReadOnly},
      {"Modal", "b", {}, kReadOnly},
      {"Minimized", "b", {}, kReadOnly},
      {"Maximized", "b", {}, kReadOnly},
      {"AcceptedDropTypes", "s", {}, kReadOnly},
      {"ContentsChanged", "b"},
      {"Backdrop", "o<Picture>"},
      {"Opacity", "d", 1.0},
      {"ImplicitInstance", "b", true},
      {"EraseBackground", "b", true},
      {"DoubleBuffer", "b"},
      {"DocumentPath", "s"},
      {"HelpTag", "s"},
      {"AlwaysOnTop", "b"},
      {"Movable", "b", true},
      {"HasShadow", "b", true},
      {"KeyboardNavigable", "b", true},
      {"ScreenNumber", "i4"},
      {"BackingScaleFactor", "d", 1.0},
    },
    .factory = make<Window>,
  });
}

// --- controls ------------------------------------------------------------------------

const rt::ClassRecord& ControlClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using C = Control;
  return build(cache, ClassTable{
    .name = "Control",
    .counts = {.methodInfo = 12, .interfaces = 0, .events = 3, .fifth = 0, .properties = 6, .classAttributes = 0},
    .slotCount = 3,
    .slots = {
      {0, "Close", "%%", member<&C::close>},
      {1, "_SetWindow", "%%o<Window>", member<&C::setWindowSlot>},
      {2, "_CallOpenEvent", "%%", member<&C::callOpenEvent>},
    },
    .events = {"CreatePane", "Open", "Close"},
    .properties = {
      {"Name", "s"},
      {"Index", "i4", kNoIndex},
      {"Handle", "i4", {}, kReadOnly},
      {"MouseX", "i4", {}, kReadOnly},
      {"MouseY", "i4", {}, kReadOnly},
      {"Scope", "i4"},
    },
    .factory = make<Control>,
  });
}

const rt::ClassRecord& RectControlClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using R = RectControl;
  return build(cache, ClassTable{
    .name = "RectControl",
    .super = [] { return &ControlClass(); },
    .counts = {.methodInfo = 71, .interfaces = 0, .events = 15, .fifth = 0, .properties = 26, .classAttributes = 0},
    .slotCount = 25,
    .slots = {
      {3, "DrawInto", "%%o<Graphics>i4i4", member<&R::drawInto>},
      {4, "Refresh", "%%b", member<&R::refresh>},
      {5, "RefreshRect", "%%i4i4i4i4b", member<&R::refreshRect>},
      {6, "SetFocus", "%%", member<&R::setFocus>},
      {7, "AcceptTextDrop", "%%", member<&R::acceptTextDrop>},
      {8, "AcceptPictureDrop", "%%", member<&R::acceptPictureDrop>},
      {9, "AcceptFileDrop", "%%s", member<&R::acceptFileDrop>},
      {10, "AcceptMacDataDrop", "%%s", member<&R::acceptMacDataDrop>},
      {11, "AcceptRawDataDrop", "%%s", member<&R::acceptRawDataDrop>},
      {12, "_AddMenuHandler", "%%sp", member<&R::addMenuHandler>},
      {13, "Constructor", "%%", member<&R::constructSlot>},
      {14, "_Move", "%%i4i4i4i4", member<&R::move>},
      {15, "_MouseEnter", "%%", member<&R::mouseEnter>},
      {16, "_MouseExit", "%%", member<&R::mouseExit>},
      {17, "_MouseMove", "%%i4i4", member<&R::mouseMove>},
      {18, "_MouseWheel", "%b%i4i4i4i4", member<&R::mouseWheel>},
      {19, "Invalidate", "%%b", member<&R::invalidate>},
      {20, "Invalidate", "%%i4i4i4i4b", member<&R::invalidateRect>},
      {21, "_KeyDown", "%b%s", member<&R::keyDown>},
      {22, "__DependencyList", "%p%", function<&dependencies<&RectControlClass>>},
      {23, "RectControl", "%%", member<&R::constructSlot>},
      {24, "TrueWindow", "%o<Window>%", member<&R::trueWindow>},
    },
    .events = {"MouseEnter", "MouseExit", "MouseMove", "MouseWheel", "MouseDrag", "KeyDown", "KeyUp", "DropObject",
               "DragEnter", "DragExit", "DragOver", "ConstructContextualMenu"},
    .properties = {
      {"Left", "i4"},
      {"Top", "i4"},
      {"Width", "i4"},
      {"Height", "i4"},
      {"LockLeft", "b"},
      {"LockTop", "b"},
      {"LockRight", "b"},
      {"LockBottom", "b"},
      {"Visible", "b", true},
      {"Enabled", "b", true},
      {"HelpTag", "s"},
      {"AutoDeactivate", "b", true},
      {"TabIndex", "i4"},
      {"TabPanelIndex", "i4"},
      {"TabStop", "b", true},
      {"InitialParent", "s"},
      {"Active", "b", {}, kReadOnly},
      {"Transparent", "b"},
      {"HasFocus", "b", {}, kReadOnly},
      {"AcceptedDropTypes", "s", {}, kReadOnly},
    },
    .factory = make<RectControl>,
  });
}

const rt::ClassRecord& TextAreaClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using T = TextArea;
  return build(cache, ClassTable{
    .name = "TextArea",
    .super = [] { return &RectControlClass(); },
    .counts = {.methodInfo = 131, .interfaces = 0, .events = 21, .fifth = 0, .properties = 54, .classAttributes = 0},
    .slotCount = 28,
    .slots = {
      {22, "__DependencyList", "%p%", function<&dependencies<&TextAreaClass>>},
      {25, "Event_CreatePane", "%%", member<&T::eventCreatePane>},
      {26, "AppendText", "%%s", member<&T::appendText>},
      {27, "SelectAll", "%%", member<&T::selectAll>},
    },
    .events = {"MouseDown", "MouseUp", "TextChange", "SelChange", "GotFocus", "LostFocus"},
    .bound = {{event::kControlCreatePane, 25}},
    .properties = {
      // The keys of the text area's property block.
      {"Border", "b", true},
      {"MultiLine", "b"},
      {"ScrollBarHorizontal", "b"},
      {"ScrollBarVertical", "b"},
      {"Styled", "b"},
      {"UseFocusRing", "b", true},
      {"TextColor", "c"},
      {"BackColor", "c", kWhite},
      {"Format", "s"},
      {"HideSelection", "b", true},
      {"TextFont", "s", rt::String("System")},
      {"Bold", "b"},
      {"Italic", "b"},
      {"Underline", "b"},
      {"Text", "s"},
      {"Mask", "s"},
      {"ReadOnly", "b"},
      {"LimitText", "i4"},
      {"AcceptTabs", "b"},
      {"Alignment", "i4"},
      {"AutomaticallyCheckSpelling", "b"},
      {"DataSource", "s"},
      {"DataField", "s"},
      // Set by the program outside the block.
      {"LineSpacing", "d", 1.0},
      {"TextUnit", "i4"},
      {"TextSize", "f"},
      {"SelStart", "i4"},
      {"SelLength", "i4"},
    },
    .factory = make<TextArea>,
  });
}

const rt::ClassRecord& LabelClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using L = Label;
  return build(cache, ClassTable{
    .name = "Label",
    .super = [] { return &RectControlClass(); },
    .counts = {.methodInfo = 110, .interfaces = 1, .events = 19, .fifth = 0, .properties = 47, .classAttributes = 0},
    .slotCount = 30,
    .slots = {
      {22, "__DependencyList", "%p%", function<&dependencies<&LabelClass>>},
      {25, "Event_CreatePane", "%%", member<&L::eventCreatePane>},
      {26, "setString", "%%s", member<&L::setString>},
      {27, "_MouseDown", "%b%i4i4", member<&L::mouseDown>},
      {28, "_MouseDrag", "%%i4i4", member<&L::mouseDrag>},
      {29, "_MouseUp", "%%i4i4", member<&L::mouseUp>},
    },
    .events = {"MouseDown", "MouseUp", "ContextualMenuAction", "DoubleClick"},
    .bound = {{event::kControlCreatePane, 25}},
    .properties = {
      // The keys of the label's property block.
      {"Text", "s"},
      {"TextAlign", "i4"},
      {"TextColor", "c"},
      {"MultiLine", "b"},
      {"Selectable", "b"},
      {"TextFont", "s", rt::String("System")},
      {"Bold", "b"},
      {"Italic", "b"},
      {"Underline", "b"},
      {"DataSource", "s"},
      {"DataField", "s"},
      // Set by the program outside the block.
      {"TextUnit", "i4"},
      {"TextSize", "f"},
      {"HasBackColor", "b"},
      {"BackColor", "c", kWhite},
      {"Outline", "b"},
      {"Shadow", "b"},
      {"Condense", "b"},
      {"Extend", "b"},
      {"AutoSize", "b"},
      {"Indent", "i4"},
    },
    .interfaces = {{MouseEventsInterface, {27, 28, 29}}},
    .factory = make<Label>,
  });
}

const rt::ClassRecord& OvalClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  return build(cache, ClassTable{
    .name = "Oval",
    .super = [] { return &RectControlClass(); },
    .counts = {.methodInfo = 79, .interfaces = 0, .events = 17, .fifth = 0, .properties = 29, .classAttributes = 0},
    .slotCount = 26,
    .slots = {
      {22, "__DependencyList", "%p%", function<&dependencies<&OvalClass>>},
      {25, "Event_CreatePane", "%%", member<&Oval::eventCreatePane>},
    },
    .events = {"MouseDown", "MouseUp"},
    .bound = {{event::kControlCreatePane, 25}},
    .properties = {
      {"FillColor", "c", kWhite},
      {"BorderWidth", "i4", std::int32_t{1}},
      {"BorderColor", "c"},
    },
    .factory = make<Oval>,
  });
}

const rt::ClassRecord& LineClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  return build(cache, ClassTable{
    .name = "Line",
    .super = [] { return &RectControlClass(); },
    .counts = {.methodInfo = 90, .interfaces = 1, .events = 18, .fifth = 0, .properties = 38, .classAttributes = 0},
    .slotCount = 29,
    .slots = {
      {22, "__DependencyList", "%p%", function<&dependencies<&LineClass>>},
      {25, "Event_CreatePane", "%%", member<&Line::eventCreatePane>},
      {26, "_MouseDown", "%b%i4i4", member<&Line::mouseDown>},
      {27, "_MouseDrag", "%%i4i4", member<&Line::mouseDrag>},
      {28, "_MouseUp", "%%i4i4", member<&Line::mouseUp>},
    },
    .events = {"MouseDown", "MouseUp", "ContextualMenuAction"},
    .bound = {{event::kControlCreatePane, 25}},
    .properties = {
      // The end points, in window coordinates.
      {"X1", "i4"},
      {"Y1", "i4"},
      {"X2", "i4"},
      {"Y2", "i4"},
      {"BorderWidth", "i4", std::int32_t{1}},
      {"LineColor", "c"},
      {"Antialiased", "b", true},
      {"CapStyle", "i4"},
      {"DashStyle", "i4"},
      {"StartArrow", "b"},
      {"EndArrow", "b"},
      {"Opacity", "d", 1.0},
    },
    .interfaces = {{MouseEventsInterface, {26, 27, 28}}},
    .factory = make<Line>,
  });
}

const rt::ClassRecord& BevelButtonClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using B = BevelButton;
  return build(cache, ClassTable{
    .name = "BevelButton",
    .super = [] { return &RectControlClass(); },
    .counts = {.methodInfo = 132, .interfaces = 0, .events = 20, .fifth = 0, .properties = 55, .classAttributes = 0},
    .slotCount = 35,
    .slots = {
      {22, "__DependencyList", "%p%", function<&dependencies<&BevelButtonClass>>},
      {25, "Event_CreatePane", "%%", member<&B::eventCreatePane>},
      {26, "DeleteAllRows", "%%", member<&B::deleteAllRows>},
      {27, "AddRow", "%%s", member<&B::addRow>},
      {28, "AddSeparator", "%%", member<&B::addSeparator>},
      {29, "RemoveRow", "%%i4", member<&B::removeRow>},
      {30, "InsertRow", "%%i4s", member<&B::insertRow>},
      {31, "List", "%s%i4", member<&B::list>},
      {32, "addActionNotificationReceiver", "%%o<actionNotificationReceiver>",
       member<&B::addActionNotificationReceiver>},
      {33, "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>",
       member<&B::removeActionNotificationReceiver>},
      {34, "=List", "%%i4s", member<&B::setList>},
    },
    .events = {"MouseUp", "MouseDown", "Action", "GotFocus", "LostFocus"},
    .bound = {{event::kControlCreatePane, 25}},
    .properties = {
      // The keys of the button's property block. Every own property is
      // writable: each has a getter and a setter in the plug-in table.
      {"Caption", "s"},
      {"CaptionAlign", "i4"},
      {"CaptionPlacement", "i4"},
      {"CaptionDelta", "i4"},
      {"IconAlign", "i4"},
      {"IconDX", "i4"},
      {"IconDY", "i4"},
      {"Bevel", "i4"},
      {"HasMenu", "i4"},
      {"HasBackColor", "b"},
      {"BackColor", "c"},
      {"TextColor", "c"},
      {"Value", "b"},
      {"MenuValue", "i4"},
      {"ButtonType", "i4"},
      {"AcceptFocus", "b"},
      {"TextFont", "s", rt::String("System")},
      {"Bold", "b"},
      {"Italic", "b"},
      {"Underline", "b"},
      // Set by the program outside the block.
      {"TextSize", "f"},
      {"TextUnit", "i4"},
      {"Outline", "b"},
      {"Shadow", "b"},
      {"Condense", "b"},
      {"Extend", "b"},
      {"Icon", "o<Picture>"},
      {"Default", "b"},
      {"Cancel", "b"},
    },
    .factory = make<BevelButton>,
  });
}

// The timer's record is a root: a Control superclass would bring Control's
// slots, events and properties, and the timer's record must hold exactly its
// own four of each kind, because program timers put their members behind
// them. As a C++ object it is still a Control, so a window can hold it.
const rt::ClassRecord& TimerClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  using T = Timer;
  return build(cache, ClassTable{
    .name = "Timer",
    .counts = {.methodInfo = 12, .interfaces = 1, .events = 1, .fifth = 0, .properties = 4, .classAttributes = 0},
    .slotCount = 4,
    .slots = {
      {0, "Reset", "%%", member<&T::reset>},
      {1, "addActionNotificationReceiver", "%%o<actionNotificationReceiver>",
       member<&T::addActionNotificationReceiver>},
      {2, "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>",
       member<&T::removeActionNotificationReceiver>},
      {3, "_CallAction", "%%", member<&T::callAction>},
    },
    .events = {"Action"},
    .properties = {
      {"Mode", "i4"},
      {"Period", "i4", std::int32_t{1000}},
      {"Enabled", "b", true},
      // The native timer's handle; headless there is none.
      {"_mImp", "i4", {}, kWritable, "Private"},
    },
    .interfaces = {{ActionSourceInterface, {1, 2}}},
    .factory = make<Timer>,
  });
}

// --- menus ---------------------------------------------------------------------------

namespace {

// Slots 0 to 22, shared by MenuItem and its subclasses.
std::vector<SlotRow> menuItemSlots() {
  using I = MenuItem;
  return {
    {0, "Enable", "%%", member<&I::enable>},
    {1, "Close", "%%", member<&I::close>},
    {2, "Item", "%o<MenuItem>%i4", member<&I::itemSlot>},
    {3, "Count", "%i4%", member<&I::countSlot>},
    {4, "Child", "%o<MenuItem>%s", member<&I::childSlot>},
    {5, "Append", "%%o<MenuItem>", member<&I::appendSlot>},
    {6, "Insert", "%%i4o<MenuItem>", member<&I::insert>},
    {7, "Remove", "%%i4", member<&I::removeAt>},
    {8, "Remove", "%%o<MenuItem>", member<&I::removeItem>},
    {9, "Remove", "%%s", member<&I::removeNamed>},
    {10, "_Lookup", "%o<MenuItem>%s", member<&I::lookupSlot>},
    {11, "_Lookup", "%o<MenuItem>%si4", member<&I::lookupIndexed>},
    {12, "MenuItem", "%%", member<&I::constructSlot>},
    {13, "Constructor", "%%sv", member<&I::constructWithText>},
    {14, "PopUp", "%o<MenuItem>%", member<&I::popUp>},
    {15, "PopUp", "%o<MenuItem>%i4i4", member<&I::popUpAt>},
    {16, "_Swap", "%%so<MenuItem>", member<&I::swap>},
    {17, "_DisableEntirely", "%%", member<&I::disableEntirely>},
    {18, "_SelfEnable", "%%", member<&I::selfEnable>},
    {19, "MenuItem", "%%sv", member<&I::constructWithText>},
    {20, "Constructor", "%%", member<&I::constructSlot>},
    {21, "Clone", "%o<MenuItem>%", member<&I::clone>},
    {22, "Constructor", "%%o<MenuItem>", member<&I::constructFrom>},
  };
}

}  // namespace

const rt::ClassRecord& MenuItemClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  return build(cache, ClassTable{
    .name = "MenuItem",
    .counts = {.methodInfo = 49, .interfaces = 0, .events = 2, .fifth = 0, .properties = 16, .classAttributes = 0},
    .slotCount = 23,
    .slots = menuItemSlots(),
    .events = {"Action", "EnableMenu"},
    .properties = {
      {"Name", "s"},
      {"Text", "s"},
      {"KeyboardShortcut", "s"},
      {"AutoEnable", "b"},
      {"Enabled", "b", true},
      {"Visible", "b", true},
      {"Checked", "b"},
      {"Index", "i4", kNoIndex},
      {"Icon", "o<Picture>"},
      {"HelpTag", "s"},
      {"MacControlKey", "b"},
      {"MacOptionKey", "b"},
      {"AlternateMenuModifier", "b"},
      {"PCAltKey", "b"},
      {"Tag", "v"},
      {"Count", "i4", {}, kReadOnly},
    },
    .factory = make<MenuItem>,
  });
}

const rt::ClassRecord& MenuBarClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  return build(cache, ClassTable{
    .name = "MenuBar",
    .super = [] { return &MenuItemClass(); },
    .counts = {.methodInfo = 51, .interfaces = 0, .events = 2, .fifth = 0, .properties = 16, .classAttributes = 0},
    .slotCount = 25,
    .slots = {
      {23, "__DependencyList", "%p%", function<&dependencies<&MenuBarClass>>},
      {24, "_InstallClone", "%%o<MenuItem>", member<&MenuBar::installClone>},
    },
    .factory = make<MenuBar>,
  });
}

const rt::ClassRecord& QuitMenuItemClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  return build(cache, ClassTable{
    .name = "QuitMenuItem",
    .super = [] { return &MenuItemClass(); },
    .counts = {.methodInfo = 50, .interfaces = 0, .events = 2, .fifth = 0, .properties = 16, .classAttributes = 0},
    .slotCount = 24,
    .slots = {
      {23, "Event_Action", "%%", member<&QuitMenuItem::eventAction>},
    },
    .bound = {{event::kMenuItemAction, 23}},
    .factory = make<QuitMenuItem>,
  });
}

// clang-format on

void buildFrameworkClasses() {
  MouseEventsInterface();
  ActionSourceInterface();
  PaneChildInterface();
  ActionNotificationReceiverInterface();
  ApplicationClass();
  WindowClass();
  ControlClass();
  RectControlClass();
  TextAreaClass();
  LabelClass();
  OvalClass();
  LineClass();
  TimerClass();
  BevelButtonClass();
  MenuItemClass();
  MenuBarClass();
  QuitMenuItemClass();
}

}  // namespace ui
