#include "window/property_blocks.h"

#include <array>
#include <cstddef>
#include <string>

#include "platform/runtime/exceptions.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"

namespace blocks {

namespace {

using rt::ValueType;
using ui::kNoIndex;

// --- table notation --------------------------------------------------------

constexpr Entry I(std::string_view key, std::int32_t v) { return Entry{.key = key, .type = ValueType::Int32, .int32 = v}; }
constexpr Entry B(std::string_view key, bool v) { return Entry{.key = key, .type = ValueType::Boolean, .boolean = v}; }
constexpr Entry C(std::string_view key, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Entry{.key = key, .type = ValueType::Color, .color = rt::Color{red, green, blue}};
}
constexpr Entry S(std::string_view key, std::string_view text) {
  return Entry{.key = key, .type = ValueType::String, .text = text};
}
constexpr Entry Empty(std::string_view key) { return S(key, ""); }

// A row of a kind table: the value every block of the kind holds, or the
// column of the per-control table that holds it.
template <class Row>
struct Field {
  constexpr Field(Entry e) : fixed(e) {}  // NOLINT(google-explicit-constructor): tables read best plain
  constexpr Field(std::string_view key, std::int32_t Row::*column)
      : fixed(I(key, 0)), int32Column(column) {}
  constexpr Field(std::string_view key, std::string_view Row::*column)
      : fixed(S(key, "")), textColumn(column) {}

  constexpr Entry forRow(const Row& row) const {
    Entry e = fixed;
    if (int32Column) e.int32 = row.*int32Column;
    if (textColumn) e.text = row.*textColumn;
    return e;
  }

  Entry fixed;
  std::int32_t Row::*int32Column = nullptr;
  std::string_view Row::*textColumn = nullptr;
};

template <class Row>
constexpr Field<Row> Per(std::string_view key, std::int32_t Row::*column) {
  return Field<Row>(key, column);
}
template <class Row>
constexpr Field<Row> Per(std::string_view key, std::string_view Row::*column) {
  return Field<Row>(key, column);
}

struct NoRow {};  // kinds with a single block

// --- the tables ------------------------------------------------------------

constexpr std::array<Field<NoRow>, 21> kWindowBlock = {
    I("Placement", 0),
    I("Width", 675),
    I("Height", 506),
    I("MinWidth", 64),
    I("MinHeight", 64),
    I("MaxWidth", 32000),
    I("MaxHeight", 32000),
    I("Frame", 0),
    B("Composite", false),
    B("HasBackColor", true),
    C("BackColor", 0xFF, 0x2E, 0x3C),
    S("Title", "ポコリンド"),
    B("Visible", true),
    B("FullScreen", false),
    B("MenuBarVisible", true),
    B("CloseButton", true),
    B("Resizeable", true),
    B("LiveResize", true),
    B("MaximizeButton", false),
    B("MinimizeButton", true),
    I("MacProcID", 0),
};

constexpr std::array<Field<NoRow>, 40> kTextAreaBlock = {
    S("Name", "OdaiAREA"),
    I("Index", kNoIndex),
    I("Left", 95),
    I("Top", 23),
    I("Width", 519),
    I("Height", 84),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 0),
    B("TabStop", true),
    B("Border", true),
    B("Multiline", true),
    B("ScrollbarHorizontal", false),
    B("ScrollbarVertical", true),
    B("Styled", true),
    B("UseFocusRing", true),
    C("TextColor", 0x00, 0x00, 0x00),
    C("BackColor", 0xFF, 0xFF, 0xFF),
    B("Enabled", true),
    Empty("Format"),
    B("Visible", true),
    Empty("HelpTag"),
    B("AutoDeactivate", true),
    B("HideSelection", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    Empty("Text"),
    Empty("Mask"),
    B("ReadOnly", false),
    I("LimitText", 0),
    B("AcceptTabs", false),
    I("Alignment", 0),
    B("AutomaticallyCheckSpelling", true),
    Empty("DataSource"),
    Empty("DataField"),
};

struct LabelRow {
  std::string_view name;
  std::int32_t index, left, top, width, height, tabIndex;
  std::string_view text;
};

constexpr std::array<Field<LabelRow>, 29> kLabelKind = {
    Per("Name", &LabelRow::name),
    Per("Index", &LabelRow::index),
    Per("Left", &LabelRow::left),
    Per("Top", &LabelRow::top),
    Per("Width", &LabelRow::width),
    Per("Height", &LabelRow::height),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    Per("TabIndex", &LabelRow::tabIndex),
    Per("Text", &LabelRow::text),
    I("TextAlign", 0),
    C("TextColor", 0x00, 0x00, 0x00),
    B("Multiline", false),
    B("Enabled", true),
    B("Visible", true),
    B("Selectable", false),
    B("Transparent", false),
    Empty("HelpTag"),
    B("AutoDeactivate", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    Empty("DataSource"),
    Empty("DataField"),
    Empty("InitialParent"),
};

constexpr std::array<LabelRow, 7> kLabelRows = {{
    // Name        Index     Left  Top  Width Height TabIndex Text
    {"Label1",    kNoIndex,  22,   48,  61,   59,    1,       "お題"},
    {"MiniLabel", 0,         28,   166, 80,   45,    7,       "壱"},
    {"MiniLabel", 1,         28,   227, 80,   45,    8,       "弐"},
    {"MiniLabel", 2,         28,   276, 80,   45,    9,       "参\r"},
    {"MiniLabel", 3,         28,   327, 80,   45,    10,      "四\r"},
    {"MiniLabel", 4,         28,   386, 80,   45,    11,      "伍"},
    {"Label2",    kNoIndex,  324,  108, 61,   59,    20,      "得点"},
}};

// "TabIndex" stands before "TabPanelIndex" here, unlike every other block.
constexpr std::array<Field<NoRow>, 20> kOvalBlock = {
    S("Name", "Oval1"),
    I("Index", kNoIndex),
    I("Left", 522),
    I("Top", 193),
    I("Width", 100),
    I("Height", 100),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabIndex", 12),
    I("TabPanelIndex", 0),
    B("Visible", true),
    Empty("HelpTag"),
    B("AutoDeactivate", true),
    B("Enabled", true),
    C("FillColor", 0xFF, 0xFF, 0xFF),
    I("BorderWidth", 1),
    C("BorderColor", 0x00, 0x00, 0x00),
    Empty("InitialParent"),
};

struct LineRow {
  std::int32_t index, top, x2, y1, y2;
};

// "Top" stands before "Left".
constexpr std::array<Field<LineRow>, 15> kLineKind = {
    S("Name", "Xline"),
    Per("Index", &LineRow::index),
    Per("Top", &LineRow::top),
    I("Left", 534),
    I("Width", 100),
    I("Height", 50),
    I("X1", 534),
    Per("X2", &LineRow::x2),
    Per("Y1", &LineRow::y1),
    Per("Y2", &LineRow::y2),
    I("TabPanelIndex", 0),
    B("Visible", true),
    I("BorderWidth", 2),
    C("LineColor", 0x00, 0x00, 0x00),
    S("InitialParent", "Oval1"),
};

constexpr std::array<LineRow, 2> kLineRows = {{
    // Index Top  X2   Y1   Y2
    {1,      284, 604, 284, 205},
    {0,      200, 614, 200, 284},
}};

// No "Name" and no "Index": the window knows the timer by its registration.
constexpr std::array<Field<NoRow>, 2> kTimerBlock = {
    I("Mode", 2),
    I("Period", 1000),
};

struct ButtonRow {
  std::string_view name;
  std::int32_t index, left, top, width, height, tabIndex;
  std::string_view caption;
};

// "HasMenu" is a 32-bit integer of the bevel button, not a boolean.
constexpr std::array<Field<ButtonRow>, 38> kButtonKind = {
    Per("Name", &ButtonRow::name),
    Per("Index", &ButtonRow::index),
    Per("Left", &ButtonRow::left),
    Per("Top", &ButtonRow::top),
    Per("Width", &ButtonRow::width),
    Per("Height", &ButtonRow::height),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    Per("TabIndex", &ButtonRow::tabIndex),
    B("TabStop", true),
    Empty("InitialParent"),
    B("Visible", true),
    Empty("HelpTag"),
    B("AutoDeactivate", true),
    B("Enabled", true),
    Per("Caption", &ButtonRow::caption),
    I("CaptionAlign", 3),
    I("CaptionPlacement", 1),
    I("CaptionDelta", 0),
    I("IconAlign", 0),
    I("IconDX", 0),
    I("IconDY", 0),
    I("Bevel", 0),
    I("HasMenu", 0),
    B("HasBackColor", false),
    C("BackColor", 0x00, 0x00, 0x00),
    C("TextColor", 0x00, 0x00, 0x00),
    B("Value", false),
    I("MenuValue", 0),
    I("ButtonType", 0),
    B("AcceptFocus", false),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
};

constexpr std::array<ButtonRow, 7> kButtonRows = {{
    // Name            Index     Left Top  Width Height TabIndex Caption
    {"StartButton",   kNoIndex,  109, 119, 149,  23,    13,      "スタート"},
    {"FudaButton",    0,         109, 166, 388,  49,    14,      ""},
    {"FudaButton",    1,         109, 223, 388,  49,    15,      ""},
    {"FudaButton",    2,         109, 276, 388,  49,    16,      ""},
    {"FudaButton",    3,         109, 327, 388,  49,    17,      ""},
    {"FudaButton",    4,         109, 376, 388,  49,    18,      ""},
    {"TokutenButton", kNoIndex,  397, 119, 130,  41,    19,      "0"},
}};

// Every block in order, with the object it belongs to.
template <class Visit>
constexpr void forEachBlock(Visit&& visit) {
  visit("Window1", kNoIndex, ObjectKind::Window, kWindowBlock, NoRow{});
  visit("OdaiAREA", kNoIndex, ObjectKind::TextArea, kTextAreaBlock, NoRow{});
  for (const LabelRow& r : kLabelRows) visit(r.name, r.index, ObjectKind::Label, kLabelKind, r);
  visit("Oval1", kNoIndex, ObjectKind::Oval, kOvalBlock, NoRow{});
  for (const LineRow& r : kLineRows) visit("Xline", r.index, ObjectKind::Line, kLineKind, r);
  visit("Timer1", kNoIndex, ObjectKind::Timer, kTimerBlock, NoRow{});
  for (const ButtonRow& r : kButtonRows) visit(r.name, r.index, ObjectKind::BevelButton, kButtonKind, r);
}

// --- encoding --------------------------------------------------------------
// All of it runs at compile time: a table entry that cannot be encoded stops
// the build at its throw, and the blocks end up as constant bytes.

constexpr std::size_t encodedSize(const Entry& e) {
  std::size_t value = 0;
  switch (e.type) {
    case ValueType::Int32: value = 4; break;
    case ValueType::Boolean: value = 1; break;
    case ValueType::Color: value = 3; break;
    case ValueType::String: value = 4 + e.text.size(); break;
    default: throw "a block holds only Int32, Boolean, Color and String values";
  }
  return e.key.size() + 1 + value;
}

struct Sizes {
  std::size_t blocks = 0;
  std::size_t entries = 0;
  std::size_t storageBytes = 0;  // every block's length byte, content and zero byte
};

constexpr Sizes measure() {
  Sizes s;
  forEachBlock([&](std::string_view, std::int32_t, ObjectKind, const auto& fields, const auto& row) {
    ++s.blocks;
    s.storageBytes += 2;
    for (const auto& f : fields) {
      ++s.entries;
      s.storageBytes += encodedSize(f.forRow(row));
    }
  });
  return s;
}

constexpr Sizes kSizes = measure();
static_assert(kSizes.blocks == 20, "the window and its nineteen controls");

struct Placed {
  std::string_view name;
  std::int32_t index = 0;
  ObjectKind kind = ObjectKind::Window;
  std::size_t firstEntry = 0;
  std::size_t entryCount = 0;
  std::size_t storageAt = 0;
  std::uint32_t length = 0;
};

struct Pool {
  std::array<Entry, kSizes.entries> entries{};
  std::array<std::uint8_t, kSizes.storageBytes> storage{};
  std::array<Placed, kSizes.blocks> blocks{};
};

class Writer {
 public:
  constexpr Writer(std::array<std::uint8_t, kSizes.storageBytes>& out, std::size_t at) : out_(out), at_(at) {}
  constexpr void byte(std::uint32_t b) { out_[at_++] = static_cast<std::uint8_t>(b & 0xFF); }
  constexpr void word(std::uint32_t w) {
    for (int shift = 24; shift >= 0; shift -= 8) byte(w >> shift);
  }
  constexpr void bytes(std::string_view s) {
    for (char c : s) byte(static_cast<unsigned char>(c));
  }
  constexpr void entry(const Entry& e) {
    bytes(e.key);
    byte(' ');
    switch (e.type) {
      case ValueType::Int32: word(static_cast<std::uint32_t>(e.int32)); break;
      case ValueType::Boolean: byte(e.boolean ? 1 : 0); break;
      case ValueType::Color:
        byte(e.color.red);
        byte(e.color.green);
        byte(e.color.blue);
        break;
      case ValueType::String:
        word(static_cast<std::uint32_t>(e.text.size()));
        bytes(e.text);
        break;
      default: throw "a block holds only Int32, Boolean, Color and String values";
    }
  }
  constexpr std::size_t at() const { return at_; }

 private:
  std::array<std::uint8_t, kSizes.storageBytes>& out_;
  std::size_t at_;
};

constexpr Pool build() {
  Pool p;
  std::size_t block = 0, entry = 0, storageAt = 0;
  forEachBlock([&](std::string_view name, std::int32_t index, ObjectKind kind, const auto& fields, const auto& row) {
    Placed& placed = p.blocks[block++];
    placed = Placed{name, index, kind, entry, fields.size(), storageAt, 0};
    std::size_t length = 0;
    for (const auto& f : fields) length += encodedSize(f.forRow(row));
    Writer w(p.storage, storageAt);
    w.byte(length >= 255 ? 255 : static_cast<std::uint32_t>(length));  // the short length, for short strings only
    for (const auto& f : fields) {
      p.entries[entry++] = f.forRow(row);
      w.entry(f.forRow(row));
    }
    w.byte(0);
    placed.length = static_cast<std::uint32_t>(length);
    storageAt = w.at();
  });
  return p;
}

constexpr Pool kPool = build();

constexpr std::array<StringLiteral, kSizes.blocks> kLiterals = [] {
  std::array<StringLiteral, kSizes.blocks> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const Placed& b = kPool.blocks[i];
    out[i] = StringLiteral{1, kPool.storage.data() + b.storageAt, 0, b.length, rt::kEncodingUTF8, 0};
  }
  return out;
}();

constexpr std::size_t blockNumber(std::string_view name, std::int32_t index = kNoIndex) {
  for (std::size_t i = 0; i < kPool.blocks.size(); ++i) {
    if (kPool.blocks[i].name == name && kPool.blocks[i].index == index) return i;
  }
  throw "no such block";
}

const StringLiteral& element(std::string_view name, std::int32_t index, std::int32_t count) {
  if (index < 0 || index >= count) {
    rt::raiseRuntimeException(rt::String("no property block for " + std::string(name) + " element " +
                                         std::to_string(index)));
  }
  return kLiterals[blockNumber(name, index)];
}

constexpr std::array<Block, kSizes.blocks> kBlocks = [] {
  std::array<Block, kSizes.blocks> out{};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const Placed& b = kPool.blocks[i];
    out[i] = Block{b.name, b.index, b.kind, &kLiterals[i],
                   std::span<const Entry>(kPool.entries.data() + b.firstEntry, b.entryCount)};
  }
  return out;
}();

}  // namespace

static_assert(sizeof(void*) != 8 || (offsetof(StringLiteral, storage) == 8 && offsetof(StringLiteral, reserved0) == 16 &&
                                     offsetof(StringLiteral, length) == 20 &&
                                     offsetof(StringLiteral, encoding) == 24 &&
                                     offsetof(StringLiteral, reserved1) == 28 && sizeof(StringLiteral) == 32),
              "the literal record keeps its field order with an 8-byte address");

constinit const StringLiteral& Window1 = kLiterals[blockNumber("Window1")];
constinit const StringLiteral& OdaiAREA = kLiterals[blockNumber("OdaiAREA")];
constinit const StringLiteral& Label1 = kLiterals[blockNumber("Label1")];
constinit const StringLiteral& Label2 = kLiterals[blockNumber("Label2")];
constinit const StringLiteral& Oval1 = kLiterals[blockNumber("Oval1")];
constinit const StringLiteral& Timer1 = kLiterals[blockNumber("Timer1")];
constinit const StringLiteral& StartButton = kLiterals[blockNumber("StartButton")];
constinit const StringLiteral& TokutenButton = kLiterals[blockNumber("TokutenButton")];

const StringLiteral& MiniLabel(std::int32_t index) { return element("MiniLabel", index, 5); }
const StringLiteral& Xline(std::int32_t index) { return element("Xline", index, 2); }
const StringLiteral& FudaButton(std::int32_t index) { return element("FudaButton", index, 5); }

rt::String toString(const StringLiteral& literal) {
  return rt::String::fromBytes(literal.content(), literal.encoding);
}

const rt::ClassRecord& frameworkClass(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Window: return ui::WindowClass();
    case ObjectKind::TextArea: return ui::TextAreaClass();
    case ObjectKind::Label: return ui::LabelClass();
    case ObjectKind::Oval: return ui::OvalClass();
    case ObjectKind::Line: return ui::LineClass();
    case ObjectKind::Timer: return ui::TimerClass();
    case ObjectKind::BevelButton: return ui::BevelButtonClass();
  }
  rt::raiseRuntimeException(rt::String("no framework class for block kind " +
                                       std::to_string(static_cast<int>(kind))));
}

rt::Value toValue(const Entry& entry) {
  switch (entry.type) {
    case ValueType::Int32: return rt::Value(entry.int32);
    case ValueType::Boolean: return rt::Value(entry.boolean);
    case ValueType::Color: return rt::Value(entry.color);
    case ValueType::String: return rt::Value(rt::String(entry.text));
    default: return rt::Value();
  }
}

std::span<const Block> all() { return kBlocks; }

}  // namespace blocks
