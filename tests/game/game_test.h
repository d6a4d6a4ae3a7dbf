// Shared pieces of the game tests: the fixture, the texts the player must
// see (written out here independently of the game's own tables), and a
// snapshot of everything the game shows.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/lifecycle.h"
#include "support/game_window.h"

namespace gametest {

inline const std::array<std::string, 7> kUpper = {
    "むかしみしさきのおがわをいまみれば", "いけるものついにはしぬるものにあれば", "うくしきひとのまきてししきたへの",
    "よのなかはむなしきものとしるときし", "きみがためかみしまちざけやすののに",   "いわんすべせむすべしらずきわまりて",
    "よのなかのあそびのみちにたのしきは",
};
inline const std::array<std::string, 7> kLower = {
    "いよよさやけけくなりにけるかも", "このよなるまはたのしくをあらな", "わがたまくらをまくひとあらめや",
    "いよよますますかなしかりけり",   "ひとりやのまんともなしにして",   "たふときものはさけにしあるらし",
    "えいなきするにあるべくらるらし",
};
inline const std::array<std::string, 5> kDecoy = {
    "ひとつきのにごれるさけをのむべくあるらし", "いにしへのおおきひじりのことのよろしき",
    "ものおもえばふりにしさとしおもほゆるかも", "さけのみてこころをやるにあにしかめやも",
    "こむせにはむしにもとりにもわれはなりなむ",
};
inline const std::string kWelcome =
    "ぽ・こ・りんど「もえぎたる」へようこそ\r"
    "このアプリは霞野鶴麿の歌をゲーム感覚でマスターします\r"
    "スタートボタンを押しててください";
inline const std::string kInstruction =
    "このフィールドに上の句\r"
    "下のボタンに下の句が表示されます\r"
    "さらにスタートボタンを押しててください";
inline const std::string kEnd =
    "終了です\r"
    "おつかれさまでした\r"
    "続ける場合はスタートボタンを押しててください";

// Short codes for texts in tables: "" empty, "W" welcome, "I" instructions,
// "E" end, "U1".."U7" upper phrases, "L1".."L7" lower phrases, "D1".."D5"
// wrong phrases; anything else stands for itself.
inline std::string textOf(std::string_view code) {
  if (code == "W") return kWelcome;
  if (code == "I") return kInstruction;
  if (code == "E") return kEnd;
  if (code.size() == 2 && code[1] >= '1' && code[1] <= '7') {
    const auto n = static_cast<std::size_t>(code[1] - '1');
    if (code[0] == 'U') return kUpper[n];
    if (code[0] == 'L') return kLower[n];
    if (code[0] == 'D' && n < 5) return kDecoy[n];
  }
  return std::string(code);
}

// The marks shown.
enum class Marks { None, Circle, Cross, Both };

struct Screen {
  std::string question;
  std::array<std::string, 5> cards;
  bool circle = false;
  bool cross0 = false;
  bool cross1 = false;
  std::string score;
};

inline Screen screenOf(const pokotest::GameWindow& w) {
  Screen s;
  if (auto a = w.odai()) s.question = a->text().str();
  for (std::int32_t i = 0; i < 5; ++i) {
    if (auto c = w.card(i)) s.cards[static_cast<std::size_t>(i)] = c->caption().str();
  }
  if (auto o = w.oval()) s.circle = o->visible();
  if (auto l = w.xline(0)) s.cross0 = l->visible();
  if (auto l = w.xline(1)) s.cross1 = l->visible();
  if (auto b = w.scoreButton()) s.score = b->caption().str();
  return s;
}

inline void expectMarks(const Screen& s, Marks m) {
  EXPECT_EQ(s.circle, m == Marks::Circle || m == Marks::Both) << "circle";
  EXPECT_EQ(s.cross0, m == Marks::Cross || m == Marks::Both) << "cross line 0";
  EXPECT_EQ(s.cross1, m == Marks::Cross || m == Marks::Both) << "cross line 1";
}

inline void expectCards(const Screen& s, const std::array<const char*, 5>& codes) {
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(s.cards[i], textOf(codes[i])) << "card " << i;
}

// Every test starts the runtime afresh and leaves Rnd as it found it.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::RuntimeInit(); }
  void TearDown() override { pokotest::restoreDraws(); }
};

}  // namespace gametest
