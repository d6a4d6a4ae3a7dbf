// Menus as models: building a tree through the method-table slots the
// program uses, finding items in it, and the quit item ending the run loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/lifecycle.h"
#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/slots.h"
#include "support.h"

namespace {

using ui::slot::kMenuItemAppend;
using ui::slot::kMenuItemAppendSig;
using ui::slot::kMenuItemChild;
using ui::slot::kMenuItemChildSig;
using ui::slot::kMenuItemLookup;
using ui::slot::kMenuItemLookupSig;
using uitest::make;
using uitest::raised;

class Menus : public uitest::FrameworkTest {
 protected:
  // A new item made the way the program makes one: object, then slot 20.
  rt::Ref<ui::MenuItem> item(const char* name, const rt::ClassRecord& cls = ui::MenuItemClass()) {
    rt::Ref<ui::MenuItem> m = make<ui::MenuItem>(cls);
    rt::callSlot<void()>(*m, ui::slot::kMenuItemConstructor, ui::slot::kMenuItemConstructorSig);
    m->setName(name);
    return m;
  }
  void append(rt::Object& menu, ui::MenuItem& child) {
    rt::callSlot<void(rt::Object*)>(menu, kMenuItemAppend, kMenuItemAppendSig, &child);
  }
  rt::Ref<rt::Object> childOf(rt::Object& menu, const char* name) {
    return rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(menu, kMenuItemChild, kMenuItemChildSig,
                                                                rt::String(name));
  }
  rt::Ref<rt::Object> lookupIn(rt::Object& menu, const char* name) {
    return rt::callSlot<rt::Ref<rt::Object>(const rt::String&)>(menu, kMenuItemLookup, kMenuItemLookupSig,
                                                                rt::String(name));
  }
  std::vector<std::string> namesUnder(const ui::MenuItem& menu) {
    std::vector<std::string> names;
    for (const auto& c : menu.children()) names.push_back(c->name().str());
    return names;
  }

  rt::Ref<ui::MenuBar> bar_ = make<ui::MenuBar>(ui::MenuBarClass());
};

TEST_F(Menus, ChildFindsOnlyDirectChildrenAndLookupFindsItemsAtAnyDepth) {
  rt::Ref<ui::MenuItem> file = item("FileMenu");
  rt::Ref<ui::MenuItem> edit = item("EditMenu");
  append(*bar_, *file);
  append(*bar_, *edit);
  append(*childOf(*bar_, "FileMenu"), *item("FileQuit", ui::QuitMenuItemClass()));
  for (const char* name : {"EditUndo", "UntitledMenu1", "EditCut"}) append(*childOf(*bar_, "EditMenu"), *item(name));

  EXPECT_EQ(namesUnder(*bar_), (std::vector<std::string>{"FileMenu", "EditMenu"}));
  EXPECT_EQ(namesUnder(*edit), (std::vector<std::string>{"EditUndo", "UntitledMenu1", "EditCut"}));
  EXPECT_EQ(childOf(*bar_, "EditUndo"), nullptr);
  rt::Ref<rt::Object> undo = lookupIn(*bar_, "EditUndo");
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo.get(), edit->item(0).get());
  EXPECT_TRUE(rt::RuntimeObjectIsa(lookupIn(*bar_, "FileQuit").get(), ui::QuitMenuItemClass()));
  EXPECT_EQ(lookupIn(*bar_, "EditPaste"), nullptr);
  EXPECT_EQ(lookupIn(*bar_, "editundo"), nullptr);
  EXPECT_EQ(bar_->property("Count"), rt::Value(std::int32_t{2}));
}

TEST_F(Menus, AppendingNilOrAMenuToItselfRaises) {
  rt::Ref<ui::MenuItem> file = item("FileMenu");
  append(*bar_, *file);
  EXPECT_EQ(raised([&] { bar_->append(nullptr); }).className, "NilObjectException");
  EXPECT_EQ(raised([&] { file->append(file.get()); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { file->append(bar_.get()); }).className, "RuntimeException");
  EXPECT_EQ(bar_->count(), 1u);
  EXPECT_EQ(file->count(), 0u);
}

TEST_F(Menus, AnItemAppendedElsewhereLeavesItsFormerMenu) {
  rt::Ref<ui::MenuItem> a = item("A");
  rt::Ref<ui::MenuItem> b = item("B");
  rt::Ref<ui::MenuItem> x = item("X");
  a->append(x.get());
  b->append(x.get());
  EXPECT_EQ(a->count(), 0u);
  EXPECT_EQ(x->parent().get(), b.get());
  rt::callSlot<void()>(*x, 1, "%%");  // Close
  EXPECT_EQ(b->count(), 0u);
  EXPECT_EQ(x->parent(), nullptr);
}

TEST_F(Menus, DefaultConstructionPutsEverySettingBackToItsStart) {
  rt::Ref<ui::MenuItem> m = make<ui::MenuItem>(ui::MenuItemClass());
  m->setText("終了");
  m->setKeyboardShortcut("Cmd+Q");
  m->setAutoEnable(true);
  m->setEnabled(false);
  EXPECT_FALSE(m->constructed());
  ui::MenuItem_Constructor(m.get());
  EXPECT_TRUE(m->constructed());
  EXPECT_EQ(m->text().str(), "");
  EXPECT_EQ(m->keyboardShortcut().str(), "");
  EXPECT_FALSE(m->autoEnable());
  EXPECT_TRUE(m->enabled());
  EXPECT_EQ(m->property("Index"), rt::Value(ui::kNoIndex));
}

TEST_F(Menus, ChoosingTheQuitItemEndsTheRunLoop) {
  rt::Ref<ui::MenuItem> quit = item("FileQuit", ui::QuitMenuItemClass());
  bool ranAfterQuit = false;
  rt::postEvent([&] { quit->choose(); });
  rt::postEvent([&] { ranAfterQuit = true; });
  rt::RuntimeRun();
  EXPECT_TRUE(rt::quitRequested());
  EXPECT_FALSE(ranAfterQuit);
}

TEST_F(Menus, ADisabledQuitItemCannotBeChosen) {
  rt::Ref<ui::MenuItem> quit = item("FileQuit", ui::QuitMenuItemClass());
  quit->setEnabled(false);
  bool ranAfter = false;
  rt::postEvent([&] { quit->choose(); });
  rt::postEvent([&] { ranAfter = true; });
  rt::RuntimeRun();
  EXPECT_FALSE(rt::quitRequested());
  EXPECT_TRUE(ranAfter);
}

TEST_F(Menus, InsertRemoveAndSwapKeepTheOrderAndTheCount) {
  rt::Ref<ui::MenuItem> menu = item("EditMenu");
  for (const char* name : {"EditCut", "EditPaste"}) menu->append(item(name).get());
  rt::callSlot<void(std::int32_t, rt::Object*)>(*menu, 6, "%%i4o<MenuItem>", 1, item("EditCopy").get());
  EXPECT_EQ(namesUnder(*menu), (std::vector<std::string>{"EditCut", "EditCopy", "EditPaste"}));
  EXPECT_EQ(raised([&] { menu->insert(4, item("Late").get()); }).className, "RuntimeException");
  rt::callSlot<void(const rt::String&, rt::Object*)>(*menu, 16, "%%so<MenuItem>", rt::String("EditCopy"),
                                                     item("EditClear").get());
  rt::callSlot<void(const rt::String&)>(*menu, 9, "%%s", rt::String("EditCut"));
  EXPECT_EQ(namesUnder(*menu), (std::vector<std::string>{"EditClear", "EditPaste"}));
  EXPECT_EQ(rt::callSlot<std::int32_t()>(*menu, 3, "%i4%"), 2);
  EXPECT_EQ(menu->property("Count"), rt::Value(std::int32_t{2}));
}

TEST_F(Menus, ACloneIsANewTreeWithTheSameSettings) {
  rt::Ref<ui::MenuItem> edit = item("EditMenu");
  edit->setText("編集");
  rt::Ref<ui::MenuItem> undo = item("EditUndo");
  undo->setKeyboardShortcut("Cmd+Z");
  edit->append(undo.get());
  rt::Ref<rt::Object> copy = rt::callSlot<rt::Ref<rt::Object>()>(*edit, 21, "%o<MenuItem>%");
  auto& c = dynamic_cast<ui::MenuItem&>(*copy);
  EXPECT_NE(&c, edit.get());
  EXPECT_EQ(c.text().str(), "編集");
  ASSERT_EQ(c.count(), 1u);
  EXPECT_NE(c.item(0).get(), undo.get());
  EXPECT_EQ(c.item(0)->keyboardShortcut().str(), "Cmd+Z");
  EXPECT_EQ(undo->parent().get(), edit.get());
}

TEST_F(Menus, EnablingMenuItemsTurnsOnTheAutoEnabledOnes) {
  rt::Ref<ui::MenuItem> edit = item("EditMenu");
  rt::Ref<ui::MenuItem> autoItem = item("EditUndo");
  rt::Ref<ui::MenuItem> manual = item("Manual");
  autoItem->setAutoEnable(true);
  edit->setAutoEnable(true);
  edit->append(autoItem.get());
  edit->append(manual.get());
  bar_->append(edit.get());
  rt::callSlot<void()>(*bar_, 17, "%%");  // _DisableEntirely
  EXPECT_FALSE(edit->enabled());
  EXPECT_FALSE(manual->enabled());

  rt::Ref<ui::Application> app = make<ui::Application>(ui::ApplicationClass());
  ui::Application_MenuBar_Set(app.get(), 0, bar_.get());
  rt::callSlot<void()>(*app, 11, "%%");  // _EnableMenuItems
  EXPECT_TRUE(edit->enabled());
  EXPECT_TRUE(autoItem->enabled());
  EXPECT_FALSE(manual->enabled());
}

}  // namespace
