// The twenty blocks: their literal form, their lengths, and what a reader
// finds in them when it reads each against its framework class.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "expected_blocks.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/blocks/property_block.h"
#include "window/property_blocks.h"

namespace {

using namespace std::string_literals;
using blocktest::ExpectedBlock;

std::vector<ui::DecodedEntry> decode(const blocks::StringLiteral& lit) {
  return ui::decodePropertyBlock(blocks::frameworkClass(blocktest::blockOf(lit).kind), lit.content());
}

const ui::DecodedEntry* entryNamed(const std::vector<ui::DecodedEntry>& entries, std::string_view property) {
  for (const auto& e : entries) {
    if (e.property->name.bytes() == property) return &e;
  }
  return nullptr;
}

std::size_t positionOf(const std::vector<ui::DecodedEntry>& entries, std::string_view key) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].key == key) return i;
  }
  return entries.size();
}

const char* typeText(rt::ValueType t) {
  switch (t) {
    case rt::ValueType::Int32: return "i4";
    case rt::ValueType::Boolean: return "b";
    case rt::ValueType::Color: return "c";
    case rt::ValueType::String: return "s";
    default: return "?";
  }
}

TEST(PropertyBlocks, TheTwentyBlocksComeInTableOrderWithTheirByteLengths) {
  const auto expected = blocktest::expectedBlocks();
  const auto all = blocks::all();
  ASSERT_EQ(all.size(), 20u);
  ASSERT_EQ(expected.size(), 20u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const ExpectedBlock& x = expected[i];
    SCOPED_TRACE(blocktest::blockLabel(x.name, x.index));
    EXPECT_EQ(all[i].name, x.name);
    EXPECT_EQ(all[i].index, x.index);
    EXPECT_EQ(all[i].literal, x.literal);
    EXPECT_EQ(x.literal->length, x.length);
    EXPECT_EQ(blocks::toString(*x.literal).size(), x.length);
    EXPECT_EQ(all[i].entries.size(), x.entries);
  }
}

TEST(PropertyBlocks, LiteralsHaveCountOneTheUtf8TagAShortLengthByteAndATrailingZero) {
  for (const blocks::Block& b : blocks::all()) {
    SCOPED_TRACE(blocktest::blockLabel(std::string(b.name), b.index));
    const blocks::StringLiteral& lit = *b.literal;
    EXPECT_EQ(lit.refCount, 1);
    EXPECT_EQ(lit.reserved0, 0u);
    EXPECT_EQ(lit.reserved1, 0u);
    EXPECT_EQ(lit.encoding, 0x08000100u);
    const unsigned lengthByte = lit.length >= 255 ? 255u : lit.length;
    EXPECT_EQ(lit.storage[0], lengthByte);
    EXPECT_EQ(lit.storage[lit.length + 1], 0u);
  }
  // Only the short blocks carry their real length in the length byte.
  EXPECT_EQ(blocks::Oval1.storage[0], 243u);
  EXPECT_EQ(blocks::Xline(0).storage[0], 169u);
  EXPECT_EQ(blocks::Xline(1).storage[0], 169u);
  EXPECT_EQ(blocks::Timer1.storage[0], 20u);
  EXPECT_EQ(blocks::Window1.storage[0], 255u);
}

TEST(PropertyBlocks, AFrameworkStringFromALiteralKeepsItsZeroBytesAndEncoding) {
  const rt::String s = blocks::toString(blocks::Window1);
  EXPECT_EQ(s.encoding(), rt::kEncodingUTF8);
  ASSERT_EQ(s.size(), 282u);
  EXPECT_EQ(s.bytes().substr(0, 14), "Placement \0\0\0\0"s);
  EXPECT_EQ(s.bytes().substr(14, 6), "Width ");
}

TEST(PropertyBlocks, ElementBlocksExistOnlyForTheArraysIndices) {
  EXPECT_THROW(blocks::MiniLabel(5), rt::Raised);
  EXPECT_THROW(blocks::MiniLabel(-1), rt::Raised);
  EXPECT_THROW(blocks::Xline(2), rt::Raised);
  EXPECT_THROW(blocks::FudaButton(5), rt::Raised);
  EXPECT_THROW(blocks::FudaButton(INT32_MIN), rt::Raised);
  EXPECT_NE(&blocks::MiniLabel(0), &blocks::MiniLabel(1));
}

TEST(PropertyBlocks, EveryKeyNamesASettableFrameworkPropertyOfItsValuesType) {
  for (const blocks::Block& b : blocks::all()) {
    const rt::ClassRecord& cls = blocks::frameworkClass(b.kind);
    for (const blocks::Entry& e : b.entries) {
      const rt::PropertyEntry* p = cls.findProperty(e.key);
      if (!p) {
        ADD_FAILURE() << cls.name.str() << " has no property for the key \"" << e.key << "\" of block " << b.name;
        continue;
      }
      EXPECT_EQ(p->type.str(), typeText(e.type)) << cls.name.str() << "." << p->name.str();
      EXPECT_NE(p->setter, nullptr) << cls.name.str() << "." << p->name.str() << " cannot be set";
    }
  }
}

TEST(PropertyBlocks, EachBlockHoldsTheObjectsSettings) {
  for (const ExpectedBlock& x : blocktest::expectedBlocks()) {
    SCOPED_TRACE(blocktest::blockLabel(x.name, x.index));
    const auto entries = decode(*x.literal);
    for (const auto& [property, value] : x.values) {
      const ui::DecodedEntry* e = entryNamed(entries, property);
      ASSERT_NE(e, nullptr) << property;
      EXPECT_EQ(e->value, value) << property;
    }
  }
}

TEST(PropertyBlocks, TimerBlockIsModeTwoAndPeriodThousandInTwentyBytes) {
  EXPECT_EQ(blocks::Timer1.content(), "Mode \0\0\0\x02Period \0\0\x03\xE8"s);
  const auto entries = decode(blocks::Timer1);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].offset, 9u);
}

TEST(PropertyBlocks, HasMenuIsFourBytesAndHasBackColorFollowsIt) {
  for (int i = -1; i <= 5; ++i) {
    const blocks::StringLiteral& lit = i == -1  ? blocks::StartButton
                                       : i == 5 ? blocks::TokutenButton
                                                : blocks::FudaButton(i);
    SCOPED_TRACE(i);
    const auto entries = decode(lit);
    const std::size_t at = positionOf(entries, "HasMenu");
    ASSERT_LT(at + 1, entries.size());
    EXPECT_EQ(entries[at].value, rt::Value(std::int32_t{0}));
    EXPECT_EQ(entries[at + 1].key, "HasBackColor");
    EXPECT_EQ(entries[at + 1].offset, entries[at].offset + "HasMenu "s.size() + 4);
    EXPECT_EQ(lit.content().substr(entries[at].offset, 20), "HasMenu \0\0\0\0HasBackC"s);
  }
}

TEST(PropertyBlocks, SingleControlsCarryTheSmallestIndexAndArrayElementsTheirOwn) {
  for (const blocks::StringLiteral* lit : {&blocks::OdaiAREA, &blocks::Label1, &blocks::Oval1, &blocks::StartButton,
                                           &blocks::Label2, &blocks::TokutenButton}) {
    const auto entries = decode(*lit);
    const std::size_t at = positionOf(entries, "Index");
    ASSERT_LT(at, entries.size());
    EXPECT_EQ(entries[at].value, rt::Value(std::int32_t{INT32_MIN}));
    EXPECT_EQ(lit->content().substr(entries[at].offset, 10), "Index \x80\0\0\0"s);
  }
  const auto card3 = decode(blocks::FudaButton(3));
  EXPECT_EQ(card3.at(positionOf(card3, "Index")).value, rt::Value(std::int32_t{3}));
  // The window and the timer are no controls of an array and say nothing about it.
  EXPECT_EQ(positionOf(decode(blocks::Window1), "Index"), 21u);
  EXPECT_EQ(positionOf(decode(blocks::Timer1), "Index"), 2u);
}

TEST(PropertyBlocks, MiniLabelTwoEndsInACarriageReturnAndIsOneByteLonger) {
  const auto entries = decode(blocks::MiniLabel(2));
  const ui::DecodedEntry* t = entryNamed(entries, "Text");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(rt::valueToString(t->value).bytes(), "参\r");
  EXPECT_EQ(rt::valueToString(t->value).size(), 4u);
  EXPECT_EQ(blocks::MiniLabel(2).length, blocks::MiniLabel(0).length + 1);
}

TEST(PropertyBlocks, KeysInAnotherLetterCaseSetThePropertiesOfTheirName) {
  struct Case {
    const blocks::StringLiteral* lit;
    const char* key;
    const char* property;
  };
  for (const Case& c : {Case{&blocks::Window1, "MacProcID", "MacProcId"}, Case{&blocks::Label1, "Multiline", "MultiLine"},
                        Case{&blocks::OdaiAREA, "Multiline", "MultiLine"},
                        Case{&blocks::OdaiAREA, "ScrollbarHorizontal", "ScrollBarHorizontal"},
                        Case{&blocks::OdaiAREA, "ScrollbarVertical", "ScrollBarVertical"}}) {
    const auto entries = decode(*c.lit);
    const std::size_t at = positionOf(entries, c.key);
    ASSERT_LT(at, entries.size()) << c.key;
    EXPECT_EQ(entries[at].property->name.str(), c.property);
  }
}

TEST(PropertyBlocks, LinesHoldTopBeforeLeftAndTheOvalTabIndexBeforeTabPanelIndex) {
  for (int i : {0, 1}) {
    const auto entries = decode(blocks::Xline(i));
    EXPECT_EQ(entries.at(2).key, "Top");
    EXPECT_EQ(entries.at(3).key, "Left");
    EXPECT_EQ(entries.at(6).key, "X1");
    EXPECT_EQ(entries.at(7).key, "X2");
    EXPECT_EQ(entries.at(8).key, "Y1");
    EXPECT_EQ(entries.at(9).key, "Y2");
  }
  const auto oval = decode(blocks::Oval1);
  EXPECT_EQ(positionOf(oval, "TabIndex") + 1, positionOf(oval, "TabPanelIndex"));
  const auto label = decode(blocks::Label1);
  EXPECT_EQ(positionOf(label, "TabPanelIndex") + 1, positionOf(label, "TabIndex"));
}

TEST(PropertyBlocks, EveryKeyWithoutANameEntryIsTheWindowOrTheTimer) {
  for (const blocks::Block& b : blocks::all()) {
    const auto entries = decode(*b.literal);
    const bool named = positionOf(entries, "Name") == 0;
    const bool unnamed = b.kind == blocks::ObjectKind::Window || b.kind == blocks::ObjectKind::Timer;
    EXPECT_NE(named, unnamed) << b.name;
    if (named) {
      EXPECT_EQ(rt::valueToString(entries[0].value).bytes(), b.name);
    }
  }
}

}  // namespace
