// The framework's class records against the tables that program classes
// build on: counts, slot members and signatures, event names, interfaces.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/slots.h"
#include "support.h"

namespace {

using Lookup = const rt::ClassRecord& (*)();

struct CountsRow {
  Lookup cls;
  const char* name;
  const char* super;  // "" for a root
  std::uint32_t methodInfo, interfaces, events, properties;
  std::size_t slots;
};

const CountsRow kCounts[] = {
    {ui::ApplicationClass, "Application", "", 47, 0, 10, 19, 17},
    {ui::WindowClass, "Window", "", 130, 0, 33, 49, 51},
    {ui::ControlClass, "Control", "", 12, 0, 3, 6, 3},
    {ui::RectControlClass, "RectControl", "Control", 71, 0, 15, 26, 25},
    {ui::TextAreaClass, "TextArea", "RectControl", 131, 0, 21, 54, 28},
    {ui::LabelClass, "Label", "RectControl", 110, 1, 19, 47, 30},
    {ui::OvalClass, "Oval", "RectControl", 79, 0, 17, 29, 26},
    {ui::LineClass, "Line", "RectControl", 90, 1, 18, 38, 29},
    {ui::BevelButtonClass, "BevelButton", "RectControl", 132, 0, 20, 55, 35},
    {ui::TimerClass, "Timer", "", 12, 1, 1, 4, 4},
    {ui::MenuItemClass, "MenuItem", "", 49, 0, 2, 16, 23},
    {ui::MenuBarClass, "MenuBar", "MenuItem", 51, 0, 2, 16, 25},
    {ui::QuitMenuItemClass, "QuitMenuItem", "MenuItem", 50, 0, 2, 16, 24},
};

TEST(FrameworkClassRecords, EachRecordCarriesTheCountsProgramClassesBuildOn) {
  ui::buildFrameworkClasses();
  for (const CountsRow& row : kCounts) {
    SCOPED_TRACE(row.name);
    const rt::ClassRecord& r = row.cls();
    EXPECT_EQ(r.name.str(), row.name);
    EXPECT_EQ(r.superclass ? r.superclass->name.str() : "", row.super);
    EXPECT_EQ(r.methodInfo.size(), row.methodInfo);
    EXPECT_EQ(r.interfaces.size(), row.interfaces);
    EXPECT_EQ(r.events.size(), row.events);
    EXPECT_EQ(r.fifthCount, 0u);
    EXPECT_EQ(r.properties.size(), row.properties);
    EXPECT_TRUE(r.classAttributes.empty());
    EXPECT_EQ(r.vtable.size(), row.slots);
    EXPECT_EQ(r.interfaceFlag, 0);
    EXPECT_NE(r.factory, nullptr);
  }
}

TEST(FrameworkClassRecords, BuildingAgainKeepsEveryRecord) {
  const rt::ClassRecord* window = &ui::WindowClass();
  const rt::ClassRecord* button = &ui::BevelButtonClass();
  ui::buildFrameworkClasses();
  ui::RuntimeInitExternalClasses();
  EXPECT_EQ(&ui::WindowClass(), window);
  EXPECT_EQ(&ui::BevelButtonClass(), button);
  EXPECT_EQ(rt::RuntimeLookupClass("BevelButton"), button);
}

// clang-format off
struct SlotNames {
  Lookup cls;
  std::size_t first;
  std::vector<const char*> members;  // "Class.Member" from slot `first` on
};

const SlotNames kSlotNames[] = {
    {ui::ApplicationClass,
     0,
     {"Application.NewDocument", "Application.OpenDocument", "Application.DoEvents", "Application._AddMenuHandler",
      "Application._AddPollableObject", "Application._RemovePollableObject", "Application.AddTrayItem",
      "Application.RemoveTrayItem", "Application.YieldToNextThread", "Application.SleepCurrentThread",
      "Application._DoSingleEvent", "Application._EnableMenuItems", "Application._CallOpen",
      "Application._HandleMenuCommand", "Application._LoadPictureFromBundle", "Application._LoadBundleSound",
      "Application.__DependencyList"}},
    {ui::WindowClass,
     0,
     {"Window.Show", "Window.ShowWithin", "Window.ShowModalWithin", "Window.Hide", "Window.Close", "Window.Refresh",
      "Window.RefreshRect", "Window.ShowModal", "Window.AcceptTextDrop", "Window.AcceptPictureDrop",
      "Window.AcceptFileDrop", "Window.AcceptMacDataDrop", "Window.AcceptRawDataDrop", "Window.Control",
      "Window.SetFocus", "Window.DrawInto", "Window.UpdateNow", "Window._AddControl", "Window._AddMenuHandler",
      "Window.Window", "Window.Operator_Convert", "Window.__New", "Window._Move", "Window.Maximize",
      "Window.Minimize", "Window.Restore", "Window._Update", "Window._CallMoved", "Window._EnableMenuItems",
      "Window._CallActivated", "Window._CallDeactivated", "Window._HandleMenuCommand", "Window._UnifiedClose",
      "Window._CallMouseDown", "Window._CallResized", "Window._CallResizing", "Window._RemoveControl",
      "Window._MouseEnter", "Window._MouseExit", "Window._MouseMove", "Window._Paint", "Window._MouseWheel",
      "Window._KeyDown", "Window.__DependencyList", "Window.Constructor", "Window.TrueWindow", "Window.FocusNext",
      "Window.FocusPrevious", "Window._ControlByName", "Window._ControlByNameIndex", "Window._DrawBackground"}},
    {ui::BevelButtonClass,
     0,
     {"Control.Close", "Control._SetWindow", "Control._CallOpenEvent", "RectControl.DrawInto",
      "RectControl.Refresh", "RectControl.RefreshRect", "RectControl.SetFocus", "RectControl.AcceptTextDrop",
      "RectControl.AcceptPictureDrop", "RectControl.AcceptFileDrop", "RectControl.AcceptMacDataDrop",
      "RectControl.AcceptRawDataDrop", "RectControl._AddMenuHandler", "RectControl.Constructor", "RectControl._Move",
      "RectControl._MouseEnter", "RectControl._MouseExit", "RectControl._MouseMove", "RectControl._MouseWheel",
      "RectControl.Invalidate", "RectControl.Invalidate", "RectControl._KeyDown", "BevelButton.__DependencyList",
      "RectControl.RectControl", "RectControl.TrueWindow", "BevelButton.Event_CreatePane",
      "BevelButton.DeleteAllRows", "BevelButton.AddRow", "BevelButton.AddSeparator", "BevelButton.RemoveRow",
      "BevelButton.InsertRow", "BevelButton.List", "BevelButton.addActionNotificationReceiver",
      "BevelButton.removeActionNotificationReceiver", "BevelButton.=List"}},
    {ui::LabelClass,
     22,
     {"Label.__DependencyList", "RectControl.RectControl", "RectControl.TrueWindow", "Label.Event_CreatePane",
      "Label.setString", "Label._MouseDown", "Label._MouseDrag", "Label._MouseUp"}},
    {ui::LineClass,
     22,
     {"Line.__DependencyList", "RectControl.RectControl", "RectControl.TrueWindow", "Line.Event_CreatePane",
      "Line._MouseDown", "Line._MouseDrag", "Line._MouseUp"}},
    {ui::TimerClass,
     0,
     {"Timer.Reset", "Timer.addActionNotificationReceiver", "Timer.removeActionNotificationReceiver",
      "Timer._CallAction"}},
    {ui::MenuBarClass,
     0,
     {"MenuItem.Enable", "MenuItem.Close", "MenuItem.Item", "MenuItem.Count", "MenuItem.Child", "MenuItem.Append",
      "MenuItem.Insert", "MenuItem.Remove", "MenuItem.Remove", "MenuItem.Remove", "MenuItem._Lookup",
      "MenuItem._Lookup", "MenuItem.MenuItem", "MenuItem.Constructor", "MenuItem.PopUp", "MenuItem.PopUp",
      "MenuItem._Swap", "MenuItem._DisableEntirely", "MenuItem._SelfEnable", "MenuItem.MenuItem",
      "MenuItem.Constructor", "MenuItem.Clone", "MenuItem.Constructor", "MenuBar.__DependencyList",
      "MenuBar._InstallClone"}},
};

// clang-format on

TEST(FrameworkClassRecords, EverySlotHoldsTheMemberOfItsNumber) {
  for (const SlotNames& row : kSlotNames) {
    const rt::ClassRecord& r = row.cls();
    for (std::size_t i = 0; i < row.members.size(); ++i) {
      const std::size_t slot = row.first + i;
      ASSERT_LT(slot, r.vtable.size()) << r.name.str();
      EXPECT_EQ(r.vtable[slot].member, row.members[i]) << r.name.str() << " slot " << slot;
      EXPECT_TRUE(r.vtable[slot]) << r.name.str() << " slot " << slot;
    }
  }
}

struct SignatureRow {
  Lookup cls;
  std::size_t slot;
  const char* signature;
};

// The slots program code calls, with the signatures it calls them by.
const SignatureRow kCalledSlots[] = {
    {ui::WindowClass, ui::slot::kWindowAddControl, ui::slot::kWindowAddControlSig},
    {ui::WindowClass, ui::slot::kWindowNew, ui::slot::kWindowNewSig},
    {ui::WindowClass, ui::slot::kWindowConstructor, ui::slot::kWindowConstructorSig},
    {ui::WindowClass, ui::slot::kWindowControlByName, ui::slot::kWindowControlByNameSig},
    {ui::WindowClass, ui::slot::kWindowControlByNameIndex, ui::slot::kWindowControlByNameIndexSig},
    {ui::TextAreaClass, ui::slot::kRectControlConstructor, ui::slot::kRectControlConstructorSig},
    {ui::LabelClass, ui::slot::kRectControlConstructor, ui::slot::kRectControlConstructorSig},
    {ui::OvalClass, ui::slot::kRectControlConstructor, ui::slot::kRectControlConstructorSig},
    {ui::BevelButtonClass, ui::slot::kRectControlConstructor, ui::slot::kRectControlConstructorSig},
    {ui::MenuItemClass, ui::slot::kMenuItemChild, ui::slot::kMenuItemChildSig},
    {ui::MenuItemClass, ui::slot::kMenuItemAppend, ui::slot::kMenuItemAppendSig},
    {ui::MenuItemClass, ui::slot::kMenuItemLookup, ui::slot::kMenuItemLookupSig},
    {ui::MenuItemClass, ui::slot::kMenuItemConstructor, ui::slot::kMenuItemConstructorSig},
    {ui::MenuBarClass, ui::slot::kMenuItemLookup, ui::slot::kMenuItemLookupSig},
    {ui::QuitMenuItemClass, ui::slot::kMenuItemConstructor, ui::slot::kMenuItemConstructorSig},
    {ui::TimerClass, ui::slot::kTimerCallAction, "%%"},
    {ui::BevelButtonClass, 31, "%s%i4"},
    {ui::BevelButtonClass, 34, "%%i4s"},
    {ui::LabelClass, 27, "%b%i4i4"},
    {ui::LineClass, 28, "%%i4i4"},
};

TEST(FrameworkClassRecords, SlotsThatProgramCodeCallsHoldTheSignatureItCallsThemBy) {
  for (const SignatureRow& row : kCalledSlots) {
    const rt::ClassRecord& r = row.cls();
    EXPECT_EQ(r.vtable.at(row.slot).signature, row.signature) << r.name.str() << " slot " << row.slot;
  }
}

// clang-format off
struct EventNames {
  Lookup cls;
  std::size_t first;
  std::vector<const char*> names;
};

const EventNames kEventNames[] = {
    {ui::ApplicationClass,
     0,
     {"Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent", "Activate", "Deactivate",
      "UnhandledException", "CancelClose"}},
    {ui::WindowClass,
     0,
     {"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close", "CancelClose", "KeyDown",
      "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown", "MouseDrag", "MouseUp",
      "EnableMenuItems", "Resized", "Resizing", "Moved", "DropObject", "Activate", "Deactivate", "Minimize",
      "Maximize", "Restore", "MouseWheel", "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit",
      "DragOver", "ContentsChanged"}},
    {ui::BevelButtonClass, 0, {"CreatePane", "Open", "Close"}},
    {ui::BevelButtonClass, 15, {"MouseUp", "MouseDown", "Action", "GotFocus", "LostFocus"}},
    {ui::TimerClass, 0, {"Action"}},
    {ui::MenuBarClass, 0, {"Action", "EnableMenu"}},
};

// clang-format on

TEST(FrameworkClassRecords, EventsAreNumberedOnThroughTheClassChain) {
  for (const EventNames& row : kEventNames) {
    const rt::ClassRecord& r = row.cls();
    for (std::size_t i = 0; i < row.names.size(); ++i) {
      EXPECT_EQ(r.events.at(row.first + i).name.str(), row.names[i]) << r.name.str() << " event " << row.first + i;
    }
  }
}

TEST(FrameworkClassRecords, OnlyTheQuitItemAndThePaneMakersBindEventsInTheirRecords) {
  for (const CountsRow& row : kCounts) {
    const rt::ClassRecord& r = row.cls();
    for (std::size_t e = 0; e < r.events.size(); ++e) {
      const rt::MethodSlot& h = r.events[e].handler;
      const std::string where = r.name.str() + " event " + std::to_string(e);
      if (r.name.str() == "QuitMenuItem" && e == 0) {
        EXPECT_EQ(h.member, "QuitMenuItem.Event_Action") << where;
      } else if (r.isa(ui::RectControlClass()) && r.name.str() != "RectControl" && e == 0) {
        EXPECT_EQ(h.member, r.name.str() + ".Event_CreatePane") << where;
        EXPECT_EQ(h.fn, r.vtable[25].fn) << where;
      } else {
        EXPECT_FALSE(h) << where << " is bound to " << h.member;
      }
    }
  }
}

TEST(FrameworkClassRecords, MouseAndActionInterfacesHoldTheFunctionsOfTheirSlots) {
  struct Row {
    Lookup cls;
    Lookup iface;
    std::vector<std::size_t> slots;
  };
  const Row rows[] = {
      {ui::LabelClass, ui::MouseEventsInterface, {27, 28, 29}},
      {ui::LineClass, ui::MouseEventsInterface, {26, 27, 28}},
      {ui::TimerClass, ui::ActionSourceInterface, {1, 2}},
  };
  for (const Row& row : rows) {
    const rt::ClassRecord& r = row.cls();
    ASSERT_EQ(r.interfaces.size(), 1u) << r.name.str();
    const rt::InterfaceEntry& e = r.interfaces[0];
    EXPECT_EQ(e.interface, &row.iface()) << r.name.str();
    ASSERT_EQ(e.methodCount, row.slots.size()) << r.name.str();
    for (std::size_t k = 0; k < row.slots.size(); ++k) {
      EXPECT_EQ(e.table[k].fn, r.vtable[row.slots[k]].fn) << r.name.str() << " entry " << k;
    }
  }
}

TEST(FrameworkClassRecords, InterfaceRecordsAreFlaggedAndNameTheirMembers) {
  struct Row {
    Lookup iface;
    const char* name;
    std::vector<const char*> members;
  };
  const Row rows[] = {
      {ui::MouseEventsInterface, "_MouseEvents", {"_MouseDown", "_MouseDrag", "_MouseUp"}},
      {ui::ActionSourceInterface,
       "actionSource",
       {"addActionNotificationReceiver", "removeActionNotificationReceiver"}},
      {ui::PaneChildInterface, "_PaneChild", {"_SetWindow", "Window", "_Index", "_SetIndex"}},
      {ui::ActionNotificationReceiverInterface, "actionNotificationReceiver", {"PerformAction"}},
  };
  for (const Row& row : rows) {
    const rt::ClassRecord& r = row.iface();
    EXPECT_EQ(r.name.str(), row.name);
    EXPECT_EQ(r.interfaceFlag, 1) << row.name;
    ASSERT_EQ(r.methodInfo.size(), row.members.size()) << row.name;
    for (std::size_t i = 0; i < row.members.size(); ++i) EXPECT_EQ(r.methodInfo[i].name.str(), row.members[i]);
  }
}

TEST(FrameworkClassRecords, TheTimerHasExactlyModePeriodEnabledAndItsHandleAsProperties) {
  const rt::ClassRecord& r = ui::TimerClass();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Mode", "i4"}, {"Period", "i4"}, {"Enabled", "b"}, {"_mImp", "i4"}};
  ASSERT_EQ(r.properties.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(r.properties[i].name.str(), expected[i].first);
    EXPECT_EQ(r.properties[i].type.str(), expected[i].second);
  }
  EXPECT_EQ(r.properties[3].attributes.at(0).value.str(), "Private");
}

TEST(FrameworkClassRecords, NoPropertyNameStandsTwiceInAClassChainWhateverItsCase) {
  for (const CountsRow& row : kCounts) {
    std::set<std::string> seen;
    for (const rt::PropertyEntry& p : row.cls().properties) {
      std::string key = p.name.str();
      for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(seen.insert(key).second) << row.name << " declares " << p.name.str() << " twice";
    }
  }
}

TEST(FrameworkClassRecords, MethodInfoDescribesOwnSlotsThenPropertyAccessors) {
  const rt::ClassRecord& r = ui::BevelButtonClass();
  const std::size_t first = ui::RectControlClass().methodInfo.size();
  // Own slots 22 and 25 to 34, in slot order, each with its slot's function.
  const std::size_t slots[] = {22, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
  for (std::size_t k = 0; k < std::size(slots); ++k) {
    const rt::MethodInfo& m = r.methodInfo[first + k];
    EXPECT_EQ(m.function.fn, r.vtable[slots[k]].fn) << m.name.str();
    EXPECT_EQ(m.signature.str(), r.vtable[slots[k]].signature) << m.name.str();
  }
  const rt::MethodInfo& assign = r.methodInfo[first + 10];
  EXPECT_EQ(assign.name.str(), "List");
  EXPECT_EQ(assign.flags, 5u);
  // Then the first own property, Caption: its getter, then its setter.
  const rt::MethodInfo& getter = r.methodInfo[first + 11];
  const rt::MethodInfo& setter = r.methodInfo[first + 12];
  EXPECT_EQ(getter.name.str(), "Caption");
  EXPECT_EQ(getter.signature.str(), "%s%");
  EXPECT_EQ(getter.flags, 1u);
  EXPECT_EQ(setter.name.str(), "Caption");
  EXPECT_EQ(setter.signature.str(), "%%s");
  EXPECT_EQ(setter.flags, 5u);
}

TEST(FrameworkClassRecords, APropertyAccessorInTheMethodInfoReadsAndWritesThatProperty) {
  rt::Ref<ui::BevelButton> b = uitest::make<ui::BevelButton>(ui::BevelButtonClass());
  const rt::ClassRecord& r = ui::BevelButtonClass();
  const std::size_t first = ui::RectControlClass().methodInfo.size() + 11;
  rt::callFn<void(const rt::Value&)>(r.methodInfo[first + 1].function, "%%s", *b, rt::Value(rt::String("Go")));
  EXPECT_EQ(b->caption().str(), "Go");
  rt::Value read = rt::callFn<rt::Value()>(r.methodInfo[first].function, "%s%", *b);
  EXPECT_EQ(rt::valueToString(read).str(), "Go");
}

TEST(FrameworkClassRecords, DependencyListsNameTheSuperclassAndInterfaces) {
  rt::Ref<ui::Label> label = uitest::make<ui::Label>(ui::LabelClass());
  auto deps = rt::callSlot<ui::DependencyList()>(*label, 22, "%p%");
  ASSERT_EQ(deps.size(), 2u);
  EXPECT_EQ(deps[0], &ui::RectControlClass());
  EXPECT_EQ(deps[1], &ui::MouseEventsInterface());
}

}  // namespace
