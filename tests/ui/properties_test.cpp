// Property tables of the framework classes: every key of the property blocks
// resolves on its class with its type; values are kept per property, checked
// for kind, and each change is told to the observer once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/fields.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "support.h"

namespace {

using uitest::make;
using uitest::raised;
using Lookup = const rt::ClassRecord& (*)();

struct KeysOfType {
  Lookup cls;
  const char* type;
  std::vector<const char*> keys;
};

// Every key of the program's property blocks, by the class it is applied to.
// clang-format off
const KeysOfType kBlockKeys[] = {
    {ui::WindowClass, "i4",
     {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID"}},
    {ui::WindowClass, "b",
     {"Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton", "Resizeable",
      "LiveResize", "MaximizeButton", "MinimizeButton"}},
    {ui::WindowClass, "c", {"BackColor"}},
    {ui::WindowClass, "s", {"Title"}},
    {ui::TextAreaClass, "s", {"Name", "Format", "HelpTag", "TextFont", "Text", "Mask", "DataSource", "DataField"}},
    {ui::TextAreaClass, "i4",
     {"Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "LimitText", "Alignment"}},
    {ui::TextAreaClass, "b",
     {"LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop", "Border", "Multiline", "ScrollbarHorizontal",
      "ScrollbarVertical", "Styled", "UseFocusRing", "Enabled", "Visible", "AutoDeactivate", "HideSelection", "Bold",
      "Italic", "Underline", "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling"}},
    {ui::TextAreaClass, "c", {"TextColor", "BackColor"}},
    {ui::LabelClass, "s", {"Name", "Text", "HelpTag", "TextFont", "DataSource", "DataField", "InitialParent"}},
    {ui::LabelClass, "i4", {"Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "TextAlign"}},
    {ui::LabelClass, "b",
     {"LockLeft", "LockTop", "LockRight", "LockBottom", "Multiline", "Enabled", "Visible", "Selectable", "Transparent",
      "AutoDeactivate", "Bold", "Italic", "Underline"}},
    {ui::LabelClass, "c", {"TextColor"}},
    {ui::OvalClass, "s", {"Name", "HelpTag", "InitialParent"}},
    {ui::OvalClass, "i4", {"Index", "Left", "Top", "Width", "Height", "TabIndex", "TabPanelIndex", "BorderWidth"}},
    {ui::OvalClass, "b", {"LockLeft", "LockTop", "LockRight", "LockBottom", "Visible", "AutoDeactivate", "Enabled"}},
    {ui::OvalClass, "c", {"FillColor", "BorderColor"}},
    {ui::LineClass, "s", {"Name", "InitialParent"}},
    {ui::LineClass, "i4",
     {"Index", "Top", "Left", "Width", "Height", "X1", "X2", "Y1", "Y2", "TabPanelIndex", "BorderWidth"}},
    {ui::LineClass, "b", {"Visible"}},
    {ui::LineClass, "c", {"LineColor"}},
    {ui::TimerClass, "i4", {"Mode", "Period"}},
    {ui::BevelButtonClass, "s", {"Name", "InitialParent", "HelpTag", "Caption", "TextFont"}},
    {ui::BevelButtonClass, "i4",
     {"Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "CaptionAlign", "CaptionPlacement",
      "CaptionDelta", "IconAlign", "IconDX", "IconDY", "Bevel", "HasMenu", "MenuValue", "ButtonType"}},
    {ui::BevelButtonClass, "b",
     {"LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop", "Visible", "AutoDeactivate", "Enabled",
      "HasBackColor", "Value", "AcceptFocus", "Bold", "Italic", "Underline"}},
    {ui::BevelButtonClass, "c", {"BackColor", "TextColor"}},
};

// clang-format on

class Properties : public uitest::FrameworkTest {};

TEST_F(Properties, EveryBlockKeyNamesAWritablePropertyOfItsTypeOnItsClass) {
  for (const KeysOfType& row : kBlockKeys) {
    const rt::ClassRecord& cls = row.cls();
    for (const char* key : row.keys) {
      const rt::PropertyEntry* p = cls.findProperty(key);
      ASSERT_NE(p, nullptr) << cls.name.str() << " has no property for the key " << key;
      EXPECT_EQ(p->type.str(), row.type) << cls.name.str() << "." << key;
      EXPECT_NE(p->setter, nullptr) << cls.name.str() << "." << key;
    }
  }
}

rt::Value distinct(const std::string& type, int n) {
  if (type == "i4") return std::int32_t{7000 + n};
  if (type == "b") return n % 2 == 0;
  if (type == "c") return rt::Color{static_cast<std::uint8_t>(n), 46, 60};
  return rt::String("value " + std::to_string(n));
}

// A value set under one key must come back under that key and no other: no
// two properties share storage.
TEST_F(Properties, EveryBlockKeyKeepsItsOwnValue) {
  for (Lookup cls : {ui::WindowClass, ui::TextAreaClass, ui::LabelClass, ui::OvalClass, ui::LineClass, ui::TimerClass,
                     ui::BevelButtonClass}) {
    rt::Ref<ui::Model> m = make<ui::Model>(cls());
    std::vector<std::pair<const char*, rt::Value>> set;
    int n = 0;
    for (const KeysOfType& row : kBlockKeys) {
      if (&row.cls() != &cls()) continue;
      for (const char* key : row.keys) {
        set.emplace_back(key, distinct(row.type, n++));
        m->setProperty(key, set.back().second);
      }
    }
    for (const auto& [key, value] : set) EXPECT_EQ(m->property(key), value) << cls().name.str() << "." << key;
  }
}

TEST_F(Properties, KeysFindPropertiesWhateverTheirLetterCase) {
  struct Row {
    Lookup cls;
    const char* key;
    const char* name;
  };
  const Row rows[] = {
      {ui::WindowClass, "MacProcID", "MacProcId"},
      {ui::TextAreaClass, "Multiline", "MultiLine"},
      {ui::TextAreaClass, "ScrollbarHorizontal", "ScrollBarHorizontal"},
      {ui::TextAreaClass, "ScrollbarVertical", "ScrollBarVertical"},
      {ui::LabelClass, "Multiline", "MultiLine"},
      {ui::BevelButtonClass, "caption", "Caption"},
      {ui::BevelButtonClass, "HASMENU", "HasMenu"},
  };
  for (const Row& row : rows) {
    const rt::PropertyEntry* p = row.cls().findProperty(row.key);
    ASSERT_NE(p, nullptr) << row.key;
    EXPECT_EQ(p->name.str(), row.name);
  }
  EXPECT_EQ(ui::LineClass().findProperty("Caption"), nullptr);
}

TEST_F(Properties, TheProgramsOwnSettingsHaveTheirTypes) {
  struct Row {
    Lookup cls;
    const char* name;
    const char* type;
  };
  const Row rows[] = {
      {ui::TextAreaClass, "LineSpacing", "d"},  {ui::TextAreaClass, "TextUnit", "i4"},
      {ui::LabelClass, "TextUnit", "i4"},       {ui::BevelButtonClass, "TextSize", "f"},
      {ui::BevelButtonClass, "TextUnit", "i4"}, {ui::WindowClass, "MenuBar", "o<MenuBar>"},
  };
  for (const Row& row : rows) {
    const rt::PropertyEntry* p = row.cls().findProperty(row.name);
    ASSERT_NE(p, nullptr) << row.name;
    EXPECT_EQ(p->type.str(), row.type) << row.name;
  }
}

TEST_F(Properties, AFreshControlIsVisibleEnabledAndOutsideAnyArray) {
  struct Row {
    Lookup cls;
    const char* name;
    rt::Value value;
  };
  const Row rows[] = {
      {ui::BevelButtonClass, "Visible", true},          {ui::BevelButtonClass, "Enabled", true},
      {ui::BevelButtonClass, "Index", ui::kNoIndex},    {ui::BevelButtonClass, "Caption", rt::String()},
      {ui::BevelButtonClass, "TextSize", 0.0},          {ui::LabelClass, "Index", ui::kNoIndex},
      {ui::LineClass, "LineColor", rt::Color{0, 0, 0}}, {ui::TextAreaClass, "LineSpacing", 1.0},
      {ui::TimerClass, "Mode", std::int32_t{0}},        {ui::TimerClass, "Enabled", true},
      {ui::MenuItemClass, "AutoEnable", false},         {ui::WindowClass, "MenuBar", rt::Ref<rt::Object>()},
  };
  for (const Row& row : rows) {
    rt::Ref<ui::Model> m = make<ui::Model>(row.cls());
    EXPECT_EQ(m->property(row.name), row.value) << row.cls().name.str() << "." << row.name;
  }
}

TEST_F(Properties, AChangedValueNotifiesOnceAndAnUnchangedOneNotAtAll) {
  struct Row {
    Lookup cls;
    const char* name;
    rt::Value value;
  };
  const Row rows[] = {
      {ui::BevelButtonClass, "Caption", rt::String("スタート")},
      {ui::BevelButtonClass, "Visible", false},
      {ui::LineClass, "X2", std::int32_t{604}},
      {ui::WindowClass, "BackColor", rt::Color{255, 46, 60}},
      {ui::TextAreaClass, "LineSpacing", 1.5},
  };
  for (const Row& row : rows) {
    rt::Ref<ui::Model> m = make<ui::Model>(row.cls());
    uitest::RecordingObserver seen;
    m->setObserver(&seen);
    m->setProperty(row.name, row.value);
    EXPECT_EQ(seen.changed, std::vector<std::string>{row.name}) << row.name;
    m->setProperty(row.name, row.value);
    EXPECT_EQ(seen.changed.size(), 1u) << row.name << " notified again for the same value";
  }
}

TEST_F(Properties, TypedSettersNotifyLikeSettingByName) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  uitest::RecordingObserver seen;
  b->setObserver(&seen);
  b->setCaption("0");
  b->setCaption("0");
  b->setTextSize(24.0f);
  b->setVisible(true);  // already visible
  EXPECT_EQ(seen.changed, (std::vector<std::string>{"Caption", "TextSize"}));
  EXPECT_EQ(b->property("TextSize"), rt::Value(24.0));
}

TEST_F(Properties, AValueOfTheWrongKindRaisesNamingTheProperty) {
  struct Row {
    Lookup cls;
    const char* name;
    rt::Value value;
  };
  const Row rows[] = {
      {ui::BevelButtonClass, "Visible", std::int32_t{1}},
      {ui::BevelButtonClass, "Caption", std::int32_t{0}},
      {ui::BevelButtonClass, "TextSize", std::int32_t{24}},
      {ui::WindowClass, "BackColor", rt::String("red")},
      {ui::LineClass, "X1", true},
      {ui::TimerClass, "Period", 1000.0},
  };
  for (const Row& row : rows) {
    rt::Ref<ui::Model> m = make<ui::Model>(row.cls());
    uitest::RecordingObserver seen;
    m->setObserver(&seen);
    const rt::Value before = m->property(row.name);
    auto r = raised([&] { m->setProperty(row.name, row.value); });
    EXPECT_EQ(r.className, "RuntimeException") << row.name;
    EXPECT_NE(r.message.find(row.name), std::string::npos) << r.message;
    EXPECT_EQ(m->property(row.name), before) << row.name;
    EXPECT_TRUE(seen.changed.empty()) << row.name;
  }
}

TEST_F(Properties, AnObjectPropertyTakesOnlyObjectsOfItsClass) {
  rt::Ref<ui::Window> w = make<ui::Window>(ui::WindowClass());
  rt::Ref<ui::MenuBar> bar = make<ui::MenuBar>(ui::MenuBarClass());
  rt::Ref<ui::Label> label = make<ui::Label>(ui::LabelClass());
  auto r = raised([&] { w->setProperty("MenuBar", rt::Ref<rt::Object>(label)); });
  EXPECT_NE(r.message.find("MenuBar"), std::string::npos) << r.message;
  EXPECT_EQ(w->menuBar(), nullptr);
  w->setProperty("MenuBar", rt::Ref<rt::Object>(bar));
  EXPECT_EQ(w->menuBar().get(), bar.get());
  w->setProperty("MenuBar", rt::Value());  // nothing: clears it
  EXPECT_EQ(w->menuBar(), nullptr);
}

TEST_F(Properties, ReadOnlyAndUnknownPropertiesRaise) {
  rt::Ref<ui::Window> w = make<ui::Window>(ui::WindowClass());
  EXPECT_NE(raised([&] { w->setProperty("ControlCount", std::int32_t{3}); }).message.find("read-only"),
            std::string::npos);
  EXPECT_EQ(raised([&] { w->setProperty("NoSuchThing", std::int32_t{3}); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { w->property("NoSuchThing"); }).className, "RuntimeException");
  EXPECT_EQ(raised([&] { w->storedValue(999); }).className, "RuntimeException");
}

TEST_F(Properties, AProgramSubclassKeepsItsOwnFieldsBesideTheFrameworkValues) {
  static const rt::ClassRecord* cache = nullptr;
  rt::ClassSpec desc;
  desc.name = "PropertiesTest.GameWindow";
  desc.superLookup = [] { return &ui::WindowClass(); };
  desc.counts = {130, 0, 33, 0, 50, 0};
  desc.ownFieldBytes = 4;
  desc.slotCount = 51;
  desc.properties = {rt::PropertyDecl{.name = "Kaisu",
                                      .type = "i4",
                                      .storage = 0,
                                      .getter = rt::Int32_GetValue,
                                      .setter = rt::Int32_SetValue,
                                      .fieldStorage = true}};
  const rt::ClassRecord& cls = rt::buildClass(cache, desc);
  rt::Ref<ui::Window> w = make<ui::Window>(cls);
  EXPECT_EQ(w->property("Kaisu"), rt::Value(std::int32_t{0}));
  w->setProperty("kaisu", std::int32_t{9});
  w->setProperty("Title", rt::String("ポコリンド"));
  EXPECT_EQ(rt::int32Property(*w, "Kaisu"), 9);
  EXPECT_EQ(w->title().str(), "ポコリンド");
  EXPECT_EQ(w->width(), 600);
}

}  // namespace
