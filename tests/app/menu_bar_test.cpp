// The menu bar: its class record, its one implicit instance, the tree its
// constructor builds, and Window1's accessors for the items.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/invokers.h"
#include "app/menu_accessors.h"
#include "app/menu_bar1.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/menu.h"
#include "platform/ui/model.h"
#include "platform/ui/window.h"
#include "support.h"

namespace {

using apptest::AppTest;
using apptest::raisedClass;
using apptest::SlotPatch;

rt::Ref<ui::MenuItem> asItem(const rt::Ref<rt::Object>& obj) {
  return rt::Ref<ui::MenuItem>::retain(dynamic_cast<ui::MenuItem*>(obj.get()));
}

std::vector<std::string> childNames(const ui::MenuItem& menu) {
  std::vector<std::string> names;
  for (const auto& c : menu.children()) names.push_back(c->name().str());
  return names;
}

// Every item below the menu, depth first.
void collect(const ui::MenuItem& menu, std::vector<rt::Ref<ui::MenuItem>>& out) {
  for (const auto& c : menu.children()) {
    out.push_back(c);
    collect(*c, out);
  }
}

using MenuBarRecord = AppTest;

TEST_F(MenuBarRecord, ExtendsMenuBarWithItsConstructorInSlot20AndTheTwoBuildersBehind) {
  const rt::ClassRecord& cls = app::MenuBar1Class();
  const rt::ClassRecord& bar = ui::MenuBarClass();
  EXPECT_EQ(cls.name.str(), "MenuBar1.MenuBar1");
  EXPECT_EQ(cls.superclass, &bar);
  EXPECT_EQ(cls.instanceSize, bar.instanceSize);
  EXPECT_EQ(cls.methodInfo.size(), 54u);
  EXPECT_TRUE(cls.interfaces.empty());
  EXPECT_EQ(cls.events.size(), 2u);
  EXPECT_EQ(cls.properties.size(), 16u);
  ASSERT_EQ(cls.classAttributes.size(), 1u);
  EXPECT_EQ(cls.classAttributes[0].name.str(), "__Scope");
  EXPECT_EQ(cls.classAttributes[0].value.str(), "Public");
  EXPECT_TRUE(cls.classAttributes[0].hasValue);
  for (const rt::EventEntry& e : cls.events) EXPECT_FALSE(e.handler) << e.name.str();

  ASSERT_EQ(cls.vtable.size(), 27u);
  for (std::size_t i = 0; i < 25; ++i) {
    if (i == 20) continue;
    EXPECT_EQ(cls.vtable[i].fn, bar.vtable[i].fn) << "slot " << i;
  }
  EXPECT_NE(cls.vtable[20].fn, bar.vtable[20].fn);

  struct Own {
    std::size_t entry;
    const char* name;
    std::size_t slot;
  };
  for (const Own& own : {Own{51, "Untitled0", 25}, Own{52, "Untitled1", 26}, Own{53, "Constructor", 20}}) {
    const rt::MethodInfo& m = cls.methodInfo[own.entry];
    EXPECT_EQ(m.name.str(), own.name);
    EXPECT_EQ(m.flags, 1u);
    EXPECT_EQ(m.signature.str(), "%%");
    EXPECT_EQ(cls.vtable[own.slot].signature, "%%") << own.name;
    EXPECT_EQ(m.function.fn, cls.vtable[own.slot].fn) << own.name;
    EXPECT_EQ(m.invoker, app::invokerFor("%%")) << own.name;
    ASSERT_EQ(m.attributes.size(), 1u) << own.name;
    EXPECT_EQ(m.attributes[0].name.str(), "__Scope");
    EXPECT_EQ(m.attributes[0].value.str(), "Public");
  }
}

TEST_F(MenuBarRecord, IsBuiltOnceAndFoundByItsName) {
  const rt::ClassRecord* first = &app::MenuBar1Class();
  app::buildMenuBar1Class();
  EXPECT_EQ(&app::MenuBar1Class(), first);
  EXPECT_EQ(rt::RuntimeLookupClass("MenuBar1.MenuBar1"), first);
}

using ImplicitMenuBar = AppTest;

TEST_F(ImplicitMenuBar, TwoCallsGiveTheSameBarWithOneFileMenuHoldingOneQuitItem) {
  const rt::Ref<rt::Object> first = app::MenuBar1Instance();
  const rt::Ref<rt::Object> second = app::MenuBar1Instance();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(&first->classRecord(), &app::MenuBar1Class());
  // The module's reference and the two callers'.
  EXPECT_EQ(first->refCount(), 3);

  const rt::Ref<ui::MenuItem> bar = asItem(first);
  EXPECT_EQ(childNames(*bar), (std::vector<std::string>{"FileMenu", "EditMenu"}));
  EXPECT_EQ(childNames(*bar->item(0)), (std::vector<std::string>{"FileQuit"}));
}

TEST_F(ImplicitMenuBar, MenusHoldTheirItemsInOrderWithTheirTextsAndClasses) {
  struct Row {
    const char* name;
    const char* text;
    const rt::ClassRecord& cls;
  };
  const rt::ClassRecord& itemClass = ui::MenuItemClass();
  const std::vector<Row> file = {{"FileQuit", "終了", ui::QuitMenuItemClass()}};
  const std::vector<Row> edit = {
      {"EditUndo", "元に戻す", itemClass},  {"UntitledMenu1", "-", itemClass},
      {"EditCut", "カット", itemClass},     {"EditCopy", "コピー", itemClass},
      {"EditPaste", "貼り付け", itemClass}, {"EditClear", "削除", itemClass},
      {"UntitledMenu0", "-", itemClass},    {"EditSelectAll", "すべてを選択", itemClass},
  };
  const rt::Ref<ui::MenuItem> bar = asItem(app::MenuBar1Instance());
  ASSERT_EQ(bar->count(), 2u);
  const rt::Ref<ui::MenuItem> fileMenu = bar->item(0);
  const rt::Ref<ui::MenuItem> editMenu = bar->item(1);
  EXPECT_EQ(fileMenu->text().str(), "ファイル");
  EXPECT_EQ(editMenu->text().str(), "編集");

  auto check = [](const ui::MenuItem& menu, const std::vector<Row>& rows) {
    ASSERT_EQ(menu.count(), rows.size()) << menu.name().str();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const rt::Ref<ui::MenuItem> item = menu.item(i);
      EXPECT_EQ(item->name().str(), rows[i].name) << "entry " << i;
      EXPECT_EQ(item->text().str(), rows[i].text) << rows[i].name;
      EXPECT_EQ(&item->classRecord(), &rows[i].cls) << rows[i].name;
      EXPECT_EQ(item->count(), 0u) << rows[i].name;
    }
  };
  check(*fileMenu, file);
  check(*editMenu, edit);
  EXPECT_TRUE(editMenu->item(1)->isSeparator());
  EXPECT_TRUE(editMenu->item(6)->isSeparator());
}

TEST_F(ImplicitMenuBar, SeparatorsKeepTheirDefaultShortcutWhileMenusAndDeleteGetAnEmptyOne) {
  // Give plain items a default shortcut that no set call would write, so
  // an item that gets no shortcut call shows it.
  const rt::ClassRecord& itemClass = ui::MenuItemClass();
  const std::vector<rt::Value> defaults = *ui::frameworkDefaults(itemClass);
  std::vector<rt::Value> marked = defaults;
  marked[static_cast<std::size_t>(itemClass.propertyIndex("KeyboardShortcut"))] = rt::String("(default)");
  ui::setFrameworkDefaults(itemClass, marked);
  struct Restore {
    const rt::ClassRecord& cls;
    const std::vector<rt::Value>& values;
    ~Restore() { ui::setFrameworkDefaults(cls, values); }
  } restore{itemClass, defaults};

  const std::map<std::string, std::string> expected = {
      {"FileMenu", ""},
      {"FileQuit", "Cmd+Q"},
      {"EditMenu", ""},
      {"EditUndo", "Cmd+Z"},
      {"UntitledMenu1", "(default)"},
      {"EditCut", "Cmd+X"},
      {"EditCopy", "Cmd+C"},
      {"EditPaste", "Cmd+V"},
      {"EditClear", ""},
      {"UntitledMenu0", "(default)"},
      {"EditSelectAll", "Cmd+A"},
  };
  std::vector<rt::Ref<ui::MenuItem>> items;
  collect(*asItem(app::MenuBar1Instance()), items);
  std::map<std::string, std::string> shortcuts;
  for (const auto& item : items) shortcuts[item->name().str()] = item->keyboardShortcut().str();
  EXPECT_EQ(shortcuts, expected);
}

TEST_F(ImplicitMenuBar, EveryOneOfTheElevenItemsHasAutoEnableOn) {
  std::vector<rt::Ref<ui::MenuItem>> items;
  collect(*asItem(app::MenuBar1Instance()), items);
  ASSERT_EQ(items.size(), 11u);
  for (const auto& item : items) EXPECT_TRUE(item->autoEnable()) << item->name().str();
}

// Child, through the bar's slot 4, finds nothing for the Edit menu; the bar
// it was asked on is watched so the test can see it go.
struct FailingChild {
  static inline const rt::MethodSlot* original = nullptr;
  static inline rt::WeakRef<rt::Object> bar;
  static inline std::vector<std::string> namesOnBar;
  static rt::Ref<rt::Object> child(rt::Object& self, const rt::String& name) {
    bar = rt::WeakRef<rt::Object>(&self);
    if (name.bytes() == "EditMenu") {
      namesOnBar = childNames(dynamic_cast<ui::MenuItem&>(self));
      return nullptr;
    }
    return rt::callFn<rt::Ref<rt::Object>(const rt::String&)>(*original, "%o<MenuItem>%s", self, name);
  }
};

TEST_F(ImplicitMenuBar, AFailedFirstBuildLeavesNoInstanceAndTheNextCallBuildsAFullTreeAfresh) {
  {
    SlotPatch patch(app::MenuBar1Class(), 4, rt::makeSlot("MenuItem.Child", "%o<MenuItem>%s", &FailingChild::child));
    FailingChild::original = &patch.original();
    EXPECT_EQ(raisedClass([] { app::MenuBar1Instance(); }), "NilObjectException");
  }
  // The menus appended before the failing lookup were on the bar; the bar
  // went with them.
  EXPECT_EQ(FailingChild::namesOnBar, (std::vector<std::string>{"FileMenu", "EditMenu"}));
  EXPECT_TRUE(FailingChild::bar.expired());

  const rt::Ref<ui::MenuItem> bar = asItem(app::MenuBar1Instance());
  EXPECT_EQ(childNames(*bar), (std::vector<std::string>{"FileMenu", "EditMenu"}));
  EXPECT_EQ(bar->item(0)->count(), 1u);
  EXPECT_EQ(bar->item(1)->count(), 8u);
  EXPECT_EQ(bar->refCount(), 2);
}

TEST_F(ImplicitMenuBar, ExitClearsTheInstanceAndReleasesItSoTheNextCallMakesANewOne) {
  rt::WeakRef<rt::Object> watched;
  {
    const rt::Ref<rt::Object> bar = app::MenuBar1Instance();
    watched = rt::WeakRef<rt::Object>(bar.get());
  }
  EXPECT_FALSE(watched.expired());
  app::MenuBar1ImplicitInstanceExit();
  EXPECT_TRUE(watched.expired());
  app::MenuBar1ImplicitInstanceExit();  // nothing left to release

  const rt::Ref<ui::MenuItem> again = asItem(app::MenuBar1Instance());
  EXPECT_EQ(childNames(*again), (std::vector<std::string>{"FileMenu", "EditMenu"}));
}

// Window1's menu-item accessors, called on a framework window.
class MenuAccessors : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    window_ = rt::RuntimeNewObject(ui::WindowClass());
  }
  rt::Ref<rt::Object> call(const window1::AccessorEntry& a) {
    return rt::callFn<rt::Ref<rt::Object>()>(a.slotEntry(), a.signature, *window_);
  }
  rt::Ref<rt::Object> window_;
};

TEST_F(MenuAccessors, EachFindsItsItemByNameAndCastsItToItsClass) {
  ui::Window_MenuBar_Set(window_.get(), 0, app::MenuBar1Instance().get());
  ASSERT_EQ(window1::kMenuAccessors.size(), 11u);
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) {
    const std::string name = a.name;
    const bool quit = name == "FileQuit";
    EXPECT_EQ(std::string(a.signature), quit ? "%o<QuitMenuItem>%" : "%o<MenuItem>%") << name;
    const rt::Ref<ui::MenuItem> item = asItem(call(a));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->name().str(), name);
    EXPECT_EQ(&item->classRecord(), quit ? &ui::QuitMenuItemClass() : &ui::MenuItemClass()) << name;
    // Its menu's reference and the caller's.
    EXPECT_EQ(item->refCount(), 2) << name;
  }
}

TEST_F(MenuAccessors, EditUndoIsFoundTwoLevelsBelowTheBarUnderTheEditMenu) {
  ui::Window_MenuBar_Set(window_.get(), 0, app::MenuBar1Instance().get());
  const rt::Ref<ui::MenuItem> undo = asItem(window1::EditUndo(*window_));
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->parent()->name().str(), "EditMenu");
  EXPECT_EQ(undo->parent()->parent().get(), app::MenuBar1Instance().get());
}

TEST_F(MenuAccessors, AWindowWithoutAMenuBarRaisesNilObjectException) {
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) {
    EXPECT_EQ(raisedClass([&] { call(a); }), "NilObjectException") << a.name;
  }
}

TEST_F(MenuAccessors, AnItemMissingFromTheBarGivesNilWithoutRaising) {
  const rt::Ref<rt::Object> empty = rt::RuntimeNewObject(ui::MenuBarClass());
  ui::Window_MenuBar_Set(window_.get(), 0, empty.get());
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) EXPECT_EQ(call(a), nullptr) << a.name;
}

}  // namespace
