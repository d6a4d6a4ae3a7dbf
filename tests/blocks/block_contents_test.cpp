// Every entry of every block, key and value in stored order, written out here
// from the settings the window and each control must start with, apart from
// the tables the blocks are built from. A wrong common value (a lock, a font
// style, a window flag) changes no length, so only a check of every entry
// catches it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/value.h"
#include "platform/ui/blocks/property_block.h"
#include "platform/ui/classes.h"
#include "window/property_blocks.h"

namespace {

using Entries = std::vector<std::pair<std::string, rt::Value>>;

constexpr std::int32_t kNone = -2147483647 - 1;

rt::Value i(std::int32_t v) { return rt::Value(v); }
rt::Value b(bool v) { return rt::Value(v); }
rt::Value s(const char* v) { return rt::Value(rt::String(v)); }
rt::Value c(std::uint8_t r, std::uint8_t g, std::uint8_t bl) { return rt::Value(rt::Color{r, g, bl}); }
const rt::Value T = b(true);
const rt::Value F = b(false);
const rt::Value kBlack = c(0, 0, 0);
const rt::Value kWhite = c(255, 255, 255);

Entries windowEntries() {
  return {{"Placement", i(0)},       {"Width", i(675)},        {"Height", i(506)},        {"MinWidth", i(64)},
          {"MinHeight", i(64)},      {"MaxWidth", i(32000)},   {"MaxHeight", i(32000)},   {"Frame", i(0)},
          {"Composite", F},          {"HasBackColor", T},      {"BackColor", c(255, 46, 60)},
          {"Title", s("ポコリンド")}, {"Visible", T},           {"FullScreen", F},         {"MenuBarVisible", T},
          {"CloseButton", T},        {"Resizeable", T},        {"LiveResize", T},         {"MaximizeButton", F},
          {"MinimizeButton", T},     {"MacProcID", i(0)}};
}

Entries textAreaEntries() {
  return {{"Name", s("OdaiAREA")},   {"Index", i(kNone)},       {"Left", i(95)},          {"Top", i(23)},
          {"Width", i(519)},         {"Height", i(84)},         {"LockLeft", T},          {"LockTop", T},
          {"LockRight", F},          {"LockBottom", F},         {"TabPanelIndex", i(0)},  {"TabIndex", i(0)},
          {"TabStop", T},            {"Border", T},             {"Multiline", T},         {"ScrollbarHorizontal", F},
          {"ScrollbarVertical", T},  {"Styled", T},             {"UseFocusRing", T},      {"TextColor", kBlack},
          {"BackColor", kWhite},     {"Enabled", T},            {"Format", s("")},        {"Visible", T},
          {"HelpTag", s("")},        {"AutoDeactivate", T},     {"HideSelection", T},     {"TextFont", s("System")},
          {"Bold", F},               {"Italic", F},             {"Underline", F},         {"Text", s("")},
          {"Mask", s("")},           {"ReadOnly", F},           {"LimitText", i(0)},      {"AcceptTabs", F},
          {"Alignment", i(0)},       {"AutomaticallyCheckSpelling", T},                   {"DataSource", s("")},
          {"DataField", s("")}};
}

Entries labelEntries(const char* name, std::int32_t index, std::int32_t left, std::int32_t top, std::int32_t tab,
                     const char* text) {
  const bool numeral = index != kNone;
  return {{"Name", s(name)},         {"Index", i(index)},       {"Left", i(left)},        {"Top", i(top)},
          {"Width", i(numeral ? 80 : 61)},                      {"Height", i(numeral ? 45 : 59)},
          {"LockLeft", T},           {"LockTop", T},            {"LockRight", F},         {"LockBottom", F},
          {"TabPanelIndex", i(0)},   {"TabIndex", i(tab)},      {"Text", s(text)},        {"TextAlign", i(0)},
          {"TextColor", kBlack},     {"Multiline", F},          {"Enabled", T},           {"Visible", T},
          {"Selectable", F},         {"Transparent", F},        {"HelpTag", s("")},       {"AutoDeactivate", T},
          {"TextFont", s("System")}, {"Bold", F},               {"Italic", F},            {"Underline", F},
          {"DataSource", s("")},     {"DataField", s("")},      {"InitialParent", s("")}};
}

Entries ovalEntries() {
  return {{"Name", s("Oval1")},      {"Index", i(kNone)},       {"Left", i(522)},         {"Top", i(193)},
          {"Width", i(100)},         {"Height", i(100)},        {"LockLeft", T},          {"LockTop", T},
          {"LockRight", F},          {"LockBottom", F},         {"TabIndex", i(12)},      {"TabPanelIndex", i(0)},
          {"Visible", T},            {"HelpTag", s("")},        {"AutoDeactivate", T},    {"Enabled", T},
          {"FillColor", kWhite},     {"BorderWidth", i(1)},     {"BorderColor", kBlack},  {"InitialParent", s("")}};
}

Entries lineEntries(std::int32_t index, std::int32_t top, std::int32_t x2, std::int32_t y1, std::int32_t y2) {
  return {{"Name", s("Xline")},      {"Index", i(index)},       {"Top", i(top)},          {"Left", i(534)},
          {"Width", i(100)},         {"Height", i(50)},         {"X1", i(534)},           {"X2", i(x2)},
          {"Y1", i(y1)},             {"Y2", i(y2)},             {"TabPanelIndex", i(0)},  {"Visible", T},
          {"BorderWidth", i(2)},     {"LineColor", kBlack},     {"InitialParent", s("Oval1")}};
}

Entries buttonEntries(const char* name, std::int32_t index, std::int32_t left, std::int32_t top, std::int32_t width,
                      std::int32_t height, std::int32_t tab, const char* caption) {
  return {{"Name", s(name)},         {"Index", i(index)},       {"Left", i(left)},        {"Top", i(top)},
          {"Width", i(width)},       {"Height", i(height)},     {"LockLeft", T},          {"LockTop", T},
          {"LockRight", F},          {"LockBottom", F},         {"TabPanelIndex", i(0)},  {"TabIndex", i(tab)},
          {"TabStop", T},            {"InitialParent", s("")},  {"Visible", T},           {"HelpTag", s("")},
          {"AutoDeactivate", T},     {"Enabled", T},            {"Caption", s(caption)},  {"CaptionAlign", i(3)},
          {"CaptionPlacement", i(1)}, {"CaptionDelta", i(0)},   {"IconAlign", i(0)},      {"IconDX", i(0)},
          {"IconDY", i(0)},          {"Bevel", i(0)},           {"HasMenu", i(0)},        {"HasBackColor", F},
          {"BackColor", kBlack},     {"TextColor", kBlack},     {"Value", F},             {"MenuValue", i(0)},
          {"ButtonType", i(0)},      {"AcceptFocus", F},        {"TextFont", s("System")}, {"Bold", F},
          {"Italic", F},             {"Underline", F}};
}

struct Case {
  std::string what;
  const blocks::StringLiteral* literal;
  const rt::ClassRecord& (*cls)();
  Entries entries;
};

std::vector<Case> allCases() {
  std::vector<Case> cases = {
      {"window", &blocks::Window1, ui::WindowClass, windowEntries()},
      {"OdaiAREA", &blocks::OdaiAREA, ui::TextAreaClass, textAreaEntries()},
      {"Label1", &blocks::Label1, ui::LabelClass, labelEntries("Label1", kNone, 22, 48, 1, "お題")},
      {"Label2", &blocks::Label2, ui::LabelClass, labelEntries("Label2", kNone, 324, 108, 20, "得点")},
      {"Oval1", &blocks::Oval1, ui::OvalClass, ovalEntries()},
      {"Xline 1", &blocks::Xline(1), ui::LineClass, lineEntries(1, 284, 604, 284, 205)},
      {"Xline 0", &blocks::Xline(0), ui::LineClass, lineEntries(0, 200, 614, 200, 284)},
      {"Timer1", &blocks::Timer1, ui::TimerClass, {{"Mode", i(2)}, {"Period", i(1000)}}},
      {"StartButton", &blocks::StartButton, ui::BevelButtonClass,
       buttonEntries("StartButton", kNone, 109, 119, 149, 23, 13, "スタート")},
      {"TokutenButton", &blocks::TokutenButton, ui::BevelButtonClass,
       buttonEntries("TokutenButton", kNone, 397, 119, 130, 41, 19, "0")},
  };
  const char* numerals[] = {"壱", "弐", "参\r", "四\r", "伍"};
  const std::int32_t labelTops[] = {166, 227, 276, 327, 386};
  const std::int32_t cardTops[] = {166, 223, 276, 327, 376};
  for (std::int32_t k = 0; k < 5; ++k) {
    const auto n = static_cast<std::size_t>(k);
    cases.push_back({"MiniLabel " + std::to_string(k), &blocks::MiniLabel(k), ui::LabelClass,
                     labelEntries("MiniLabel", k, 28, labelTops[n], 7 + k, numerals[n])});
    cases.push_back({"FudaButton " + std::to_string(k), &blocks::FudaButton(k), ui::BevelButtonClass,
                     buttonEntries("FudaButton", k, 109, cardTops[n], 388, 49, 14 + k, "")});
  }
  return cases;
}

TEST(BlockContents, EveryBlockHoldsExactlyItsEntriesInOrder) {
  const std::vector<Case> cases = allCases();
  ASSERT_EQ(cases.size(), 20u);
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const std::vector<ui::DecodedEntry> got = ui::decodePropertyBlock(k.cls(), k.literal->content());
    ASSERT_EQ(got.size(), k.entries.size());
    for (std::size_t n = 0; n < got.size(); ++n) {
      EXPECT_EQ(got[n].key, k.entries[n].first) << "entry " << n;
      EXPECT_TRUE(got[n].value == k.entries[n].second) << "entry " << n << " (" << k.entries[n].first << ")";
    }
  }
}

}  // namespace
