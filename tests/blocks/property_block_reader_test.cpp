// The block reader against small class records of its own.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/exceptions.h"
#include "platform/ui/blocks/property_block.h"
#include "test_records.h"

namespace {

using blocktest::Gadget;
using namespace std::string_literals;

const rt::ClassRecord& gadgetClass() {
  static const rt::ClassRecord* cache = nullptr;
  return blocktest::buildGadgetClass(cache, "BlockTestGadget",
                                     {{"Width", "i4"},
                                      {"Visible", "b"},
                                      {"BackColor", "c"},
                                      {"Text", "s"},
                                      {"MultiLine", "b"},
                                      {"Ratio", "d"},
                                      {"Serial", "i4", /*writable=*/false}});
}

const rt::ClassRecord& gadgetChildClass() {
  static const rt::ClassRecord* cache = nullptr;
  return blocktest::buildGadgetClass(cache, "BlockTestGadgetChild", {{"Caption", "s"}},
                                     [] { return &gadgetClass(); });
}

std::string bytes(std::initializer_list<int> list) {
  std::string out;
  for (int b : list) out += static_cast<char>(b);
  return out;
}

// Entry headers written out by hand: key, blank, raw value bytes.
std::string width(std::initializer_list<int> value) { return "Width " + bytes(value); }
const std::string kWidth675 = width({0x00, 0x00, 0x02, 0xA3});

rt::Ref<Gadget> newGadget(const rt::ClassRecord& cls) {
  rt::Ref<rt::Object> obj = rt::RuntimeNewObject(cls);
  return rt::Ref<Gadget>::retain(static_cast<Gadget*>(obj.get()));
}

std::string messageOf(const rt::Raised& r) {
  auto* e = dynamic_cast<rt::RuntimeException*>(r.exception().get());
  return e ? e->message().str() : std::string();
}

TEST(PropertyBlockReader, ReadsEachTypeInItsOwnWidthAndKeepsKeysAndOffsets) {
  const std::string block = kWidth675 + "Visible " + bytes({1}) + "BackColor " + bytes({0xFF, 0x2E, 0x3C}) +
                            "Text " + bytes({0, 0, 0, 6}) + "お題";
  const auto entries = ui::decodePropertyBlock(gadgetClass(), block);
  ASSERT_EQ(entries.size(), 4u);

  EXPECT_EQ(entries[0].key, "Width");
  EXPECT_EQ(entries[0].offset, 0u);
  EXPECT_EQ(entries[0].property->name.str(), "Width");
  EXPECT_EQ(entries[0].value, rt::Value(std::int32_t{675}));

  EXPECT_EQ(entries[1].key, "Visible");
  EXPECT_EQ(entries[1].offset, 10u);
  EXPECT_EQ(entries[1].value, rt::Value(true));

  EXPECT_EQ(entries[2].key, "BackColor");
  EXPECT_EQ(entries[2].offset, 19u);
  EXPECT_EQ(entries[2].value, rt::Value(rt::Color{0xFF, 0x2E, 0x3C}));

  EXPECT_EQ(entries[3].key, "Text");
  EXPECT_EQ(entries[3].offset, 32u);
  const rt::String text = rt::valueToString(entries[3].value);
  EXPECT_EQ(text.str(), "お題");
  EXPECT_EQ(text.encoding(), rt::kEncodingUTF8);
}

TEST(PropertyBlockReader, Int32ValuesAreSignedBigEndian) {
  struct Case {
    std::initializer_list<int> value;
    std::int32_t expected;
  };
  for (const Case& c : {Case{{0x00, 0x00, 0x00, 0x00}, 0}, Case{{0x00, 0x00, 0x02, 0xA3}, 675},
                        Case{{0x00, 0x00, 0x7D, 0x00}, 32000}, Case{{0x80, 0x00, 0x00, 0x00}, INT32_MIN},
                        Case{{0x7F, 0xFF, 0xFF, 0xFF}, INT32_MAX}, Case{{0xFF, 0xFF, 0xFF, 0xFF}, -1},
                        Case{{0xFF, 0xFF, 0xFF, 0xFE}, -2}}) {
    const auto entries = ui::decodePropertyBlock(gadgetClass(), width(c.value));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, rt::Value(c.expected)) << c.expected;
  }
}

TEST(PropertyBlockReader, StringsKeepZeroBytesAndMayBeEmpty) {
  const std::string block = "Text " + bytes({0, 0, 0, 3, 'a', 0, 'b'}) + "Text " + bytes({0, 0, 0, 0});
  const auto entries = ui::decodePropertyBlock(gadgetClass(), block);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(rt::valueToString(entries[0].value).bytes(), "a\0b"s);
  EXPECT_TRUE(rt::valueToString(entries[1].value).empty());
  EXPECT_EQ(entries[1].offset, 12u);
}

TEST(PropertyBlockReader, KeysMatchPropertiesWithoutRegardToLetterCase) {
  for (const char* key : {"Multiline", "MULTILINE", "multiline", "MultiLine"}) {
    const auto entries = ui::decodePropertyBlock(gadgetClass(), std::string(key) + " " + bytes({1}));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, key);
    EXPECT_EQ(entries[0].property->name.str(), "MultiLine");
  }
}

TEST(PropertyBlockReader, InheritedPropertiesAreFoundBesideTheClassesOwn) {
  rt::Ref<Gadget> g = newGadget(gadgetChildClass());
  ui::RuntimeMassPropertySetter(g.get(), rt::String::fromBytes(kWidth675 + "Caption " + bytes({0, 0, 0, 1}) + "0",
                                                               rt::kEncodingUTF8));
  ASSERT_EQ(g->log.size(), 2u);
  EXPECT_EQ(g->log[0], std::make_pair("Width"s, rt::Value(std::int32_t{675})));
  EXPECT_EQ(g->log[1], std::make_pair("Caption"s, rt::Value(rt::String("0"))));
}

TEST(PropertyBlockReader, SetsPropertiesInStoredOrderSoALaterEntryWins) {
  rt::Ref<Gadget> g = newGadget(gadgetClass());
  const std::string block = "Visible " + bytes({0}) + width({0, 0, 0, 1}) + width({0, 0, 0, 2});
  ui::RuntimeMassPropertySetter(g.get(), rt::String::fromBytes(block, rt::kEncodingUTF8));
  ASSERT_EQ(g->log.size(), 3u);
  EXPECT_EQ(g->log[0].first, "Visible");
  EXPECT_EQ(g->log[1].second, rt::Value(std::int32_t{1}));
  EXPECT_EQ(g->log[2].second, rt::Value(std::int32_t{2}));
  EXPECT_EQ(rt::VariantToInt32(blocktest::getValue(*g, 0)), 2);
}

TEST(PropertyBlockReader, EmptyBlockSetsNothing) {
  rt::Ref<Gadget> g = newGadget(gadgetClass());
  ui::RuntimeMassPropertySetter(g.get(), rt::String());
  EXPECT_TRUE(g->log.empty());
}

TEST(PropertyBlockReader, NilObjectRaisesNilObjectException) {
  try {
    ui::RuntimeMassPropertySetter(nullptr, rt::String::fromBytes(kWidth675, rt::kEncodingUTF8));
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(rt::RuntimeObjectIsa(r.exception().get(), rt::NilObjectExceptionClass()));
  }
}

TEST(PropertyBlockReader, ReadsNoFurtherThanTheGivenLength) {
  // The bytes behind the view would complete the value; the reader must not look.
  const std::string full = "Visible " + bytes({1});
  EXPECT_THROW(ui::decodePropertyBlock(gadgetClass(), std::string_view(full).substr(0, full.size() - 1)), rt::Raised);
  const std::string text = "Text " + bytes({0, 0, 0, 2}) + "ab";
  EXPECT_THROW(ui::decodePropertyBlock(gadgetClass(), std::string_view(text).substr(0, text.size() - 1)), rt::Raised);
}

struct Malformed {
  const char* what;
  std::string block;
  std::string key;     // as the message shows it
  std::size_t offset;  // of the key
  const char* problem;
};

TEST(PropertyBlockReader, MalformedBlocksRaiseANamedErrorAndLeaveTheObjectAsItWas) {
  const std::vector<Malformed> cases = {
      {"unknown key", kWidth675 + "Bogus " + bytes({0, 0, 0, 1}), "Bogus", 10, "no property of that name"},
      {"key that never meets its blank", kWidth675 + "Visi", "Visi", 10, "ends inside the key"},
      {"key running to the end after a value", kWidth675 + "Visible", "Visible", 10, "ends inside the key"},
      {"empty key", kWidth675 + " " + bytes({1}), "", 10, "the key is empty"},
      {"blank at the very start", " Width " + bytes({0, 0, 0, 1}), "", 0, "the key is empty"},
      {"key with a punctuation byte", kWidth675 + "Vis-ible " + bytes({1}), "Vis-", 10,
       "byte 0x2D at byte 13 is not an ASCII letter or digit"},
      {"key with a zero byte", "Wid"s + '\0' + "th " + bytes({0, 0, 0, 1}), "Wid\\x00", 0,
       "byte 0x00 at byte 3 is not an ASCII letter or digit"},
      {"key with a UTF-8 letter", kWidth675 + "幅 " + bytes({0, 0, 0, 1}), "\\xE5", 10, "byte 0xE5 at byte 10"},
      {"Int32 cut short", kWidth675 + "Width " + bytes({0, 0}), "Width", 10,
       "ends inside the value: an Int32 needs 4 bytes at byte 16, 2 left"},
      {"value missing after the blank", kWidth675 + "Visible ", "Visible", 10,
       "a Boolean needs 1 byte at byte 18, 0 left"},
      {"Color cut short", "BackColor " + bytes({0xFF, 0x2E}), "BackColor", 0, "a Color needs 3 bytes"},
      {"Boolean byte 2", kWidth675 + "Visible " + bytes({2}), "Visible", 10,
       "Boolean byte 0x02 at byte 18 is neither 0 nor 1"},
      {"Boolean byte FF", "Visible " + bytes({0xFF}), "Visible", 0, "Boolean byte 0xFF at byte 8"},
      {"String count cut short", kWidth675 + "Text " + bytes({0, 0}), "Text", 10, "a String's byte count needs 4 bytes"},
      {"String count past the end", kWidth675 + "Text " + bytes({0, 0, 0, 5}) + "abc", "Text", 10,
       "byte count 5 at byte 15 runs past the block's end (3 bytes left)"},
      {"String count of 4294967295", "Text " + bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", "Text", 0,
       "byte count 4294967295 at byte 5 runs past"},
      {"Double property", kWidth675 + "Ratio " + bytes({0, 0, 0, 0, 0, 0, 0, 0}), "Ratio", 10,
       "type \"d\", which a block cannot carry"},
      {"read-only property", "Serial " + bytes({0, 0, 0, 1}), "Serial", 0, "cannot be set"},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.what);
    rt::Ref<Gadget> g = newGadget(gadgetClass());
    g->values[0] = rt::Value(std::int32_t{7});
    try {
      ui::RuntimeMassPropertySetter(g.get(), rt::String::fromBytes(c.block, rt::kEncodingUTF8));
      ADD_FAILURE() << "no exception";
    } catch (const rt::Raised& r) {
      EXPECT_TRUE(rt::RuntimeObjectIsa(r.exception().get(), rt::RuntimeExceptionClass()));
      EXPECT_FALSE(rt::RuntimeObjectIsa(r.exception().get(), rt::NilObjectExceptionClass()));
      const std::string msg = messageOf(r);
      EXPECT_NE(msg.find("BlockTestGadget"), std::string::npos) << msg;
      EXPECT_NE(msg.find("key \"" + c.key + "\" at byte " + std::to_string(c.offset) + ":"), std::string::npos)
          << msg;
      EXPECT_NE(msg.find(c.problem), std::string::npos) << msg;
    }
    EXPECT_TRUE(g->log.empty()) << "a property was set before the error";
    ASSERT_EQ(g->values.size(), 1u);
    EXPECT_EQ(g->values[0], rt::Value(std::int32_t{7}));
  }
}

TEST(PropertyBlockReader, VeryLongKeysAreCutShortInTheMessage) {
  const std::string key(5000, 'K');
  try {
    ui::decodePropertyBlock(gadgetClass(), key);
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    const std::string msg = messageOf(r);
    EXPECT_LT(msg.size(), 300u);
    EXPECT_NE(msg.find("KKK...\" at byte 0: the block ends inside the key"), std::string::npos) << msg;
  }
}

}  // namespace
