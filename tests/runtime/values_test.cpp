#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/string.h"
#include "platform/runtime/value.h"

namespace rt {
namespace {

TEST(Strings, ZeroBytesAreContentAndLengthIsExplicit) {
  const std::string bytes("Placement\x20\x00\x00\x00\x00", 14);
  String s = String::fromBytes(bytes, kEncodingUTF8);
  EXPECT_EQ(s.size(), 14u);
  EXPECT_EQ(s.bytes(), bytes);
  EXPECT_EQ(s.encoding(), kEncodingUTF8);
}

TEST(Strings, AddStringJoinsInOrderAndLeavesOperandsAlone) {
  String a("上の句");
  String b = Chr(13);
  String joined = RuntimeAddString(RuntimeAddString(a, b), String("下"));
  EXPECT_EQ(joined.str(), "上の句\r下");
  EXPECT_EQ(a.str(), "上の句");
  EXPECT_EQ(RuntimeAddString(String(), a), a);
  EXPECT_EQ(RuntimeAddString(a, String()), a);
}

TEST(Strings, LockAndUnlockCountSharedReferences) {
  String s("ポコリンド");
  EXPECT_EQ(s.refCount(), 1);
  String kept = RuntimeLockString(s);
  EXPECT_EQ(s.refCount(), 2);
  RuntimeUnlockString(kept);
  EXPECT_EQ(s.refCount(), 1);
  EXPECT_TRUE(kept.empty());
}

TEST(Str, GivesPlainDecimalDigits) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, "0"}, {10, "10"}, {80, "80"}, {-5, "-5"}, {2147483647, "2147483647"}, {-2147483647 - 1, "-2147483648"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(Str(value, String()).str(), text);
  EXPECT_THROW(Str(1, String("#.##")), Raised);
}

TEST(Chr, EncodesOneCodePointAsUtf8AndRefusesNonCharacters) {
  EXPECT_EQ(Chr(13).str(), "\r");
  EXPECT_EQ(Chr(0).size(), 1u);
  EXPECT_EQ(Chr(0x00E9).str(), "é");
  EXPECT_EQ(Chr(0x3042).str(), "あ");
  EXPECT_EQ(Chr(0x1F338).str(), "🌸");
  for (std::int32_t bad : {-1, 0xD800, 0xDFFF, 0x110000}) EXPECT_THROW(Chr(bad), Raised) << bad;
}

TEST(Conversion, TruncatesTowardZeroAndSaturatesWithoutUndefinedBehaviour) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, std::int32_t> cases[] = {
      {0.0, 0},         {4.999999, 4},          {-0.5, 0},      {-1.5, -1},
      {2147483646.9, 2147483646}, {3e9, 2147483647}, {-3e9, -2147483647 - 1}, {inf, 2147483647},
      {-inf, -2147483647 - 1},    {std::nan(""), 0},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(RuntimeCvtReal64ToSInt32(in), out) << in;
}

TEST(Rnd, StaysInTheHalfOpenUnitIntervalAndCoversEveryLayout) {
  setRandomSource(nullptr);
  int seen[5] = {0, 0, 0, 0, 0};
  for (int i = 0; i < 5000; ++i) {
    const double x = Rnd();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    const std::int32_t pick = RuntimeCvtReal64ToSInt32(x * 5.0);
    ASSERT_GE(pick, 0);
    ASSERT_LE(pick, 4);
    ++seen[pick];
  }
  for (int n : seen) EXPECT_GT(n, 0);
}

TEST(Rnd, ReplaceableSourceIsUsedUntilReset) {
  setRandomSource([] { return 0.75; });
  EXPECT_EQ(Rnd(), 0.75);
  setRandomSource(nullptr);
  EXPECT_LT(Rnd(), 1.0);
}

TEST(Arithmetic, Int32AdditionWraps) {
  EXPECT_EQ(addWrapping(2147483647, 1), -2147483647 - 1);
  EXPECT_EQ(addWrapping(2147483647, 10), -2147483639);
  EXPECT_EQ(addWrapping(-1, 1), 0);
}

TEST(Values, ConversionsOfTheWrongKindRaiseNamingBothKinds) {
  try {
    VariantToInt32(Value(true));
    ADD_FAILURE();
  } catch (const Raised& r) {
    const std::string msg = r.what();
    EXPECT_NE(msg.find("Boolean"), std::string::npos) << msg;
    EXPECT_NE(msg.find("Int32"), std::string::npos) << msg;
  }
  EXPECT_EQ(VariantToInt32(Int32ToVariant(-7)), -7);
  EXPECT_FALSE(valueToObject(Value()));
  EXPECT_THROW(valueToString(Value(3)), Raised);
}

}  // namespace
}  // namespace rt
