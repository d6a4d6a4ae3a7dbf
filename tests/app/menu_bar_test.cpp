// The menu bar: its class record, its one implicit instance, the tree its
// constructor builds, and Window1's accessors for the items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/menu_accessors.h"
#include "app/menu_bar1.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/menu.h"
#include "platform/ui/model.h"
#include "support.h"

namespace {

using apptest::AppTest;
using apptest::raisedClass;
using apptest::SlotPatch;

rt::Ref<ui::MenuItem> asItem(const rt::Ref<rt::Object>& obj) {
  return rt::Ref<ui::MenuItem>::retain(dynamic_cast<ui::MenuItem*>(obj.get()));
}

// "parent/name" of every item below the menu, depth first.
std::vector<std::string> paths(const ui::MenuItem& menu, const std::string& prefix = "") {
  std::vector<std::string> out;
  for (const auto& c : menu.children()) {
    out.push_back(prefix + c->name().str());
    for (const std::string& p : paths(*c, c->name().str() + "/")) out.push_back(p);
  }
  return out;
}

const std::vector<std::string> kFullTree = {
    "FileMenu",
    "FileMenu/FileQuit",
    "EditMenu",
    "EditMenu/EditUndo",
    "EditMenu/UntitledMenu1",
    "EditMenu/EditCut",
    "EditMenu/EditCopy",
    "EditMenu/EditPaste",
    "EditMenu/EditClear",
    "EditMenu/UntitledMenu0",
    "EditMenu/EditSelectAll",
};

using MenuBar1 = AppTest;

TEST_F(MenuBar1, RecordPutsItsConstructorInSlot20AndTheTwoBuildersBehindMenuBarsSlots) {
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
  EXPECT_EQ(cls.classAttributes[0].value.str(), "Public");
  for (const rt::EventEntry& e : cls.events) EXPECT_FALSE(e.handler) << e.name.str();

  ASSERT_EQ(cls.vtable.size(), 27u);
  for (std::size_t i = 0; i < 25; ++i) EXPECT_EQ(cls.vtable[i].fn == bar.vtable[i].fn, i != 20) << "slot " << i;
  const std::vector<std::pair<const char*, std::size_t>> own = {
      {"Untitled0", 25}, {"Untitled1", 26}, {"Constructor", 20}};
  for (std::size_t i = 0; i < own.size(); ++i) {
    const rt::MethodInfo& m = cls.methodInfo[51 + i];
    EXPECT_EQ(m.name.str(), own[i].first);
    EXPECT_EQ(m.signature.str(), "%%");
    EXPECT_EQ(m.function.fn, cls.vtable[own[i].second].fn) << own[i].first;
    ASSERT_EQ(m.attributes.size(), 1u);
    EXPECT_EQ(m.attributes[0].value.str(), "Public");
  }
  app::buildMenuBar1Class();
  EXPECT_EQ(&app::MenuBar1Class(), &cls);
}

TEST_F(MenuBar1, TwoCallsGiveTheSameBarWithFileThenEditEachBuiltOnce) {
  const rt::Ref<rt::Object> first = app::MenuBar1Instance();
  const rt::Ref<rt::Object> second = app::MenuBar1Instance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(&first->classRecord(), &app::MenuBar1Class());
  EXPECT_EQ(first->refCount(), 3);  // the module's and the two callers'
  EXPECT_EQ(paths(*asItem(first)), kFullTree);
}

TEST_F(MenuBar1, ItemsCarryTheirTextsShortcutsClassesAndAutoEnable) {
  // Plain items start with a shortcut no set call writes, so an item that
  // gets no shortcut call at all shows it.
  const rt::ClassRecord& itemClass = ui::MenuItemClass();
  const std::vector<rt::Value> defaults = *ui::frameworkDefaults(itemClass);
  std::vector<rt::Value> marked = defaults;
  marked[static_cast<std::size_t>(itemClass.propertyIndex("KeyboardShortcut"))] = rt::String("(none)");
  ui::setFrameworkDefaults(itemClass, marked);
  const rt::Ref<ui::MenuItem> bar = asItem(app::MenuBar1Instance());
  ui::setFrameworkDefaults(itemClass, defaults);

  struct Row {
    const char* text;
    const char* shortcut;
  };
  const std::vector<Row> rows = {
      {"ファイル", ""},          {"終了", "Cmd+Q"},   {"編集", ""},          {"元に戻す", "Cmd+Z"}, {"-", "(none)"},
      {"カット", "Cmd+X"},       {"コピー", "Cmd+C"}, {"貼り付け", "Cmd+V"}, {"削除", ""},          {"-", "(none)"},
      {"すべてを選択", "Cmd+A"},
  };
  std::vector<rt::Ref<ui::MenuItem>> items;
  for (const auto& menu : bar->children()) {
    items.push_back(menu);
    for (const auto& c : menu->children()) items.push_back(c);
  }
  ASSERT_EQ(items.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ui::MenuItem& item = *items[i];
    const std::string name = item.name().str();
    EXPECT_EQ(item.text().str(), rows[i].text) << name;
    EXPECT_EQ(item.keyboardShortcut().str(), rows[i].shortcut) << name;
    EXPECT_TRUE(item.autoEnable()) << name;
    EXPECT_EQ(&item.classRecord(), name == "FileQuit" ? &ui::QuitMenuItemClass() : &itemClass) << name;
  }
}

// Child, called through the bar's slot 4, finds no Edit menu. The bar it is
// asked on is watched so the test can see it go.
struct NoEditMenu {
  static inline const rt::MethodSlot* original = nullptr;
  static inline rt::WeakRef<rt::Object> bar;
  static inline std::vector<std::string> onBar;
  static rt::Ref<rt::Object> child(rt::Object& self, const rt::String& name) {
    bar = rt::WeakRef<rt::Object>(&self);
    if (name.bytes() != "EditMenu") {
      return rt::callFn<rt::Ref<rt::Object>(const rt::String&)>(*original, "%o<MenuItem>%s", self, name);
    }
    onBar = paths(dynamic_cast<ui::MenuItem&>(self));
    return nullptr;
  }
};

TEST_F(MenuBar1, AFailedFirstBuildLeavesNoInstanceAndTheNextCallBuildsAFullTreeAfresh) {
  {
    SlotPatch patch(app::MenuBar1Class(), 4, rt::makeSlot("MenuItem.Child", "%o<MenuItem>%s", &NoEditMenu::child));
    NoEditMenu::original = &patch.original();
    EXPECT_EQ(raisedClass([] { app::MenuBar1Instance(); }), "NilObjectException");
  }
  EXPECT_EQ(NoEditMenu::onBar, (std::vector<std::string>{"FileMenu", "FileMenu/FileQuit", "EditMenu"}));
  EXPECT_TRUE(NoEditMenu::bar.expired());  // released with its part of the tree

  const rt::Ref<rt::Object> bar = app::MenuBar1Instance();
  EXPECT_EQ(paths(*asItem(bar)), kFullTree);
  EXPECT_EQ(bar->refCount(), 2);
}

TEST_F(MenuBar1, ExitClearsAndReleasesTheInstanceSoTheNextCallMakesANewOne) {
  const rt::WeakRef<rt::Object> first(app::MenuBar1Instance().get());
  EXPECT_FALSE(first.expired());
  app::MenuBar1ImplicitInstanceExit();
  EXPECT_TRUE(first.expired());
  app::MenuBar1ImplicitInstanceExit();  // nothing left to release
  EXPECT_EQ(paths(*asItem(app::MenuBar1Instance())), kFullTree);
}

// Window1's menu-item accessors, called on a framework window.
class MenuAccessors : public AppTest {
 protected:
  rt::Ref<rt::Object> call(const window1::AccessorEntry& a) {
    return rt::callFn<rt::Ref<rt::Object>()>(a.slotEntry(), a.signature, *window_);
  }
  rt::Ref<rt::Object> window_ = rt::RuntimeNewObject(ui::WindowClass());
};

TEST_F(MenuAccessors, EachFindsItsItemAtAnyDepthAndCastsItToItsClass) {
  ui::Window_MenuBar_Set(window_.get(), 0, app::MenuBar1Instance().get());
  std::vector<std::string> found;
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) {
    const rt::Ref<ui::MenuItem> item = asItem(call(a));
    ASSERT_NE(item, nullptr) << a.name;
    const bool quit = item->name().bytes() == "FileQuit";
    EXPECT_EQ(std::string(a.signature), quit ? "%o<QuitMenuItem>%" : "%o<MenuItem>%") << a.name;
    EXPECT_EQ(&item->classRecord(), quit ? &ui::QuitMenuItemClass() : &ui::MenuItemClass()) << a.name;
    EXPECT_EQ(item->refCount(), 2) << a.name;  // its menu's and the caller's
    const rt::Ref<ui::MenuItem> menu = item->parent();
    found.push_back(menu->parent() ? menu->name().str() + "/" + item->name().str() : item->name().str());
  }
  // The Edit menu, its entries from the last back, then the File menu and its quit item.
  EXPECT_EQ(found, (std::vector<std::string>{"EditMenu", "EditMenu/EditSelectAll", "EditMenu/UntitledMenu0",
                                             "EditMenu/EditClear", "EditMenu/EditPaste", "EditMenu/EditCopy",
                                             "EditMenu/EditCut", "EditMenu/UntitledMenu1", "EditMenu/EditUndo",
                                             "FileMenu", "FileMenu/FileQuit"}));
}

TEST_F(MenuAccessors, NoMenuBarRaisesNilObjectExceptionWhileAMissingItemGivesNil) {
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) {
    EXPECT_EQ(raisedClass([&] { call(a); }), "NilObjectException") << a.name;
  }
  ui::Window_MenuBar_Set(window_.get(), 0, rt::RuntimeNewObject(ui::MenuBarClass()).get());
  for (const window1::AccessorEntry& a : window1::kMenuAccessors) EXPECT_EQ(call(a), nullptr) << a.name;
}

}  // namespace
