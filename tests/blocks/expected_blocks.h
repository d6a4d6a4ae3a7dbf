// What each of the twenty blocks must hold, written out independently of the
// tables the blocks are built from: the object, the byte length, the number
// of entries and the values a reader must find (the per-control values and a
// few of each kind's common ones).
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/value.h"
#include "window/property_blocks.h"

namespace blocktest {

struct ExpectedBlock {
  std::string name;
  std::int32_t index;
  const blocks::StringLiteral* literal;
  std::size_t length;
  std::size_t entries;
  std::vector<std::pair<std::string, rt::Value>> values;  // key as the framework names the property
};

inline constexpr std::int32_t kNone = INT32_MIN;

inline rt::Value i4(std::int32_t v) { return rt::Value(v); }
inline rt::Value yes() { return rt::Value(true); }
inline rt::Value no() { return rt::Value(false); }
inline rt::Value text(const char* s) { return rt::Value(rt::String(s)); }
inline rt::Value color(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return rt::Value(rt::Color{r, g, b}); }

inline std::vector<std::pair<std::string, rt::Value>> placed(const char* name, std::int32_t index, std::int32_t left,
                                                             std::int32_t top, std::int32_t width,
                                                             std::int32_t height) {
  return {{"Name", text(name)}, {"Index", i4(index)}, {"Left", i4(left)},
          {"Top", i4(top)},     {"Width", i4(width)}, {"Height", i4(height)}};
}

inline std::vector<std::pair<std::string, rt::Value>> with(std::vector<std::pair<std::string, rt::Value>> a,
                                                           std::vector<std::pair<std::string, rt::Value>> b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline std::vector<ExpectedBlock> expectedBlocks() {
  auto label = [](const char* name, std::int32_t index, std::int32_t left, std::int32_t top, std::int32_t width,
                  std::int32_t height, std::int32_t tab, const char* s, std::size_t length,
                  const blocks::StringLiteral* lit) {
    return ExpectedBlock{name, index, lit, length, 29,
                         with(placed(name, index, left, top, width, height),
                              {{"TabIndex", i4(tab)}, {"Text", text(s)}, {"MultiLine", no()}, {"Visible", yes()},
                               {"TextColor", color(0, 0, 0)}, {"TextFont", text("System")}})};
  };
  auto line = [](std::int32_t index, std::int32_t top, std::int32_t x2, std::int32_t y1, std::int32_t y2) {
    return ExpectedBlock{"Xline", index, &blocks::Xline(index), 169, 15,
                         with(placed("Xline", index, 534, top, 100, 50),
                              {{"X1", i4(534)}, {"X2", i4(x2)}, {"Y1", i4(y1)}, {"Y2", i4(y2)},
                               {"BorderWidth", i4(2)}, {"LineColor", color(0, 0, 0)}, {"Visible", yes()},
                               {"InitialParent", text("Oval1")}})};
  };
  auto button = [](const char* name, std::int32_t index, std::int32_t left, std::int32_t top, std::int32_t width,
                   std::int32_t height, std::int32_t tab, const char* caption, std::size_t length,
                   const blocks::StringLiteral* lit) {
    return ExpectedBlock{name, index, lit, length, 38,
                         with(placed(name, index, left, top, width, height),
                              {{"TabIndex", i4(tab)}, {"Caption", text(caption)}, {"Visible", yes()},
                               {"HasMenu", i4(0)}, {"HasBackColor", no()}, {"CaptionAlign", i4(3)},
                               {"CaptionPlacement", i4(1)}, {"TextFont", text("System")}})};
  };
  return {
      {"Window1", kNone, &blocks::Window1, 282, 21,
       {{"Placement", i4(0)}, {"Width", i4(675)}, {"Height", i4(506)}, {"MinWidth", i4(64)},
        {"MinHeight", i4(64)}, {"MaxWidth", i4(32000)}, {"MaxHeight", i4(32000)}, {"HasBackColor", yes()},
        {"BackColor", color(0xFF, 0x2E, 0x3C)}, {"Title", text("ポコリンド")}, {"Visible", yes()},
        {"CloseButton", yes()}, {"Resizeable", yes()}, {"MaximizeButton", no()}, {"MinimizeButton", yes()},
        {"MenuBarVisible", yes()}, {"MacProcId", i4(0)}}},
      {"OdaiAREA", kNone, &blocks::OdaiAREA, 495, 40,
       with(placed("OdaiAREA", kNone, 95, 23, 519, 84),
            {{"MultiLine", yes()}, {"ScrollBarHorizontal", no()}, {"ScrollBarVertical", yes()}, {"Styled", yes()},
             {"Border", yes()}, {"TextColor", color(0, 0, 0)}, {"BackColor", color(0xFF, 0xFF, 0xFF)},
             {"Text", text("")}, {"Format", text("")}, {"HelpTag", text("")}, {"Mask", text("")},
             {"DataSource", text("")}, {"DataField", text("")}, {"Visible", yes()}})},
      label("Label1", kNone, 22, 48, 61, 59, 1, "お題", 351, &blocks::Label1),
      label("MiniLabel", 0, 28, 166, 80, 45, 7, "壱", 351, &blocks::MiniLabel(0)),
      label("MiniLabel", 1, 28, 227, 80, 45, 8, "弐", 351, &blocks::MiniLabel(1)),
      label("MiniLabel", 2, 28, 276, 80, 45, 9, "参\r", 352, &blocks::MiniLabel(2)),
      label("MiniLabel", 3, 28, 327, 80, 45, 10, "四\r", 352, &blocks::MiniLabel(3)),
      label("MiniLabel", 4, 28, 386, 80, 45, 11, "伍", 351, &blocks::MiniLabel(4)),
      label("Label2", kNone, 324, 108, 61, 59, 20, "得点", 351, &blocks::Label2),
      {"Oval1", kNone, &blocks::Oval1, 243, 20,
       with(placed("Oval1", kNone, 522, 193, 100, 100),
            {{"TabIndex", i4(12)}, {"FillColor", color(0xFF, 0xFF, 0xFF)}, {"BorderWidth", i4(1)},
             {"BorderColor", color(0, 0, 0)}, {"Visible", yes()}})},
      line(1, 284, 604, 284, 205),
      line(0, 200, 614, 200, 284),
      {"Timer1", kNone, &blocks::Timer1, 20, 2, {{"Mode", i4(2)}, {"Period", i4(1000)}}},
      button("StartButton", kNone, 109, 119, 149, 23, 13, "スタート", 484, &blocks::StartButton),
      button("FudaButton", 0, 109, 166, 388, 49, 14, "", 471, &blocks::FudaButton(0)),
      button("FudaButton", 1, 109, 223, 388, 49, 15, "", 471, &blocks::FudaButton(1)),
      button("FudaButton", 2, 109, 276, 388, 49, 16, "", 471, &blocks::FudaButton(2)),
      button("FudaButton", 3, 109, 327, 388, 49, 17, "", 471, &blocks::FudaButton(3)),
      button("FudaButton", 4, 109, 376, 388, 49, 18, "", 471, &blocks::FudaButton(4)),
      button("TokutenButton", kNone, 397, 119, 130, 41, 19, "0", 475, &blocks::TokutenButton),
  };
}

inline const blocks::Block& blockOf(const blocks::StringLiteral& lit) {
  for (const blocks::Block& b : blocks::all()) {
    if (b.literal == &lit) return b;
  }
  throw std::logic_error("not one of the twenty blocks");
}

// "Name 3" style label for traces.
inline std::string blockLabel(const std::string& name, std::int32_t index) {
  return index == kNone ? name : name + " " + std::to_string(index);
}

}  // namespace blocktest
