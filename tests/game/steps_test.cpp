// The step machine: start presses walk the game through welcome,
// instructions, seven poems and the end; the table of a whole game is checked
// after every press.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/steps.h"
#include "game_test.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/lifecycle.h"

namespace {

using gametest::expectCards;
using gametest::expectMarks;
using gametest::GameTest;
using gametest::Marks;
using gametest::screenOf;
using gametest::textOf;
using pokotest::drawFor;
using pokotest::forceDraws;
using pokotest::GameWindow;

using StepsTest = GameTest;

constexpr int kStart = -1;

struct Press {
  const char* what;
  int card;  // kStart for the start button
  const char* question;
  std::array<const char*, 5> cards;
  Marks marks;
  const char* score;
  std::int32_t kaisu, tokuten, key;
};

// An ordinary game, with the layouts drawn 1, 2, 3, 4, 0, 1, 2 for poems 1
// to 7 and picks right, wrong, right, right, wrong, right, wrong; then the
// first press of the next game.
const std::vector<Press> kWholeGame = {
    {"open", kStart, "", {"", "", "", "", ""}, Marks::None, "0", 0, 0, 0},
    {"start: welcome", kStart, "W", {"", "", "", "", ""}, Marks::None, "0", 1, 0, 0},
    {"start: instructions", kStart, "I", {"", "", "", "", ""}, Marks::None, "0", 2, 0, 0},
    {"start: poem 1", kStart, "U1", {"D5", "D1", "D2", "D3", "L1"}, Marks::None, "0", 2, 0, 4},
    {"card 4, right", 4, "U1", {"D5", "D1", "D2", "D3", "L1"}, Marks::Circle, "10", 3, 10, 4},
    {"start: poem 2", kStart, "U2", {"D1", "D3", "D2", "L2", "D4"}, Marks::None, "10", 3, 10, 3},
    {"card 0, wrong", 0, "U2", {"D1", "D3", "D2", "L2", "D4"}, Marks::Cross, "10", 4, 10, 3},
    {"start: poem 3", kStart, "U3", {"D5", "D1", "L3", "D3", "D2"}, Marks::None, "10", 4, 10, 2},
    {"card 2, right", 2, "U3", {"D5", "D1", "L3", "D3", "D2"}, Marks::Circle, "20", 5, 20, 2},
    {"start: poem 4", kStart, "U4", {"D2", "L4", "D4", "D3", "D1"}, Marks::None, "20", 5, 20, 1},
    {"card 1, right", 1, "U4", {"D2", "L4", "D4", "D3", "D1"}, Marks::Circle, "30", 6, 30, 1},
    {"start: poem 5", kStart, "U5", {"D5", "D4", "L5", "D1", "D3"}, Marks::None, "30", 6, 30, 2},
    {"card 0, wrong", 0, "U5", {"D5", "D4", "L5", "D1", "D3"}, Marks::Cross, "30", 7, 30, 2},
    {"start: poem 6", kStart, "U6", {"D5", "D1", "D2", "L6", "D4"}, Marks::None, "30", 7, 30, 3},
    {"card 3, right", 3, "U6", {"D5", "D1", "D2", "L6", "D4"}, Marks::Circle, "40", 8, 40, 3},
    {"start: poem 7", kStart, "U7", {"D1", "D3", "L7", "D5", "D4"}, Marks::None, "40", 8, 40, 2},
    {"card 4, wrong", 4, "U7", {"D1", "D3", "L7", "D5", "D4"}, Marks::Cross, "40", 9, 40, 2},
    {"start: end", kStart, "E", {"D1", "D3", "L7", "D5", "D4"}, Marks::None, "40", 0, 0, 2},
    {"start: next game", kStart, "W", {"", "", "", "", ""}, Marks::None, "0", 1, 0, 2},
};

void press(const GameWindow& w, int card) {
  if (card == kStart) {
    w.pressStart();
  } else {
    w.pressCard(card);
  }
}

void expectRow(const GameWindow& w, const Press& row) {
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, textOf(row.question));
  expectCards(s, row.cards);
  expectMarks(s, row.marks);
  EXPECT_EQ(s.score, row.score);
  EXPECT_EQ(w.kaisu(), row.kaisu);
  EXPECT_EQ(w.tokuten(), row.tokuten);
  EXPECT_EQ(w.key(), row.key);
}

void forceOrdinaryDraws() {
  forceDraws({drawFor(1), drawFor(2), drawFor(3), drawFor(4), drawFor(0), drawFor(1), drawFor(2)});
}

// Plays start, start, then start and the right card for each poem.
void playToStepNine(const GameWindow& w) {
  w.pressStart();
  w.pressStart();
  for (const std::int32_t key : {4, 3, 2, 1, 2, 3, 2}) {
    w.pressStart();
    w.pressCard(key);
  }
}

TEST_F(StepsTest, AWholeGameShowsEachTextDealAndScoreInTurn) {
  forceOrdinaryDraws();
  GameWindow w;
  for (std::size_t i = 0; i < kWholeGame.size(); ++i) {
    const Press& row = kWholeGame[i];
    SCOPED_TRACE("press " + std::to_string(i) + ": " + row.what);
    if (i > 0) press(w, row.card);
    expectRow(w, row);
  }
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(StepsTest, SevenCorrectPicksEndTheGameWithSeventy) {
  GameWindow w;
  playToStepNine(w);
  EXPECT_EQ(w.tokuten(), 70);
  EXPECT_EQ(w.scoreButton()->caption().str(), "70");
  EXPECT_EQ(w.kaisu(), 9);
}

TEST_F(StepsTest, StartAtStepNineShowsEndTextAndKeepsFinalScoreCaption) {
  GameWindow w;
  playToStepNine(w);
  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kEnd);
  EXPECT_EQ(w.scoreButton()->caption().str(), "70");
  EXPECT_EQ(w.tokuten(), 0);
  EXPECT_EQ(w.kaisu(), 0);

  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kWelcome);
  EXPECT_EQ(w.scoreButton()->caption().str(), "0");
}

TEST_F(StepsTest, ACardPressAtStepNineCanRaiseTheScoreToEighty) {
  GameWindow w;
  playToStepNine(w);
  w.pressCard(2);  // judged against poem 7's Key, 2
  EXPECT_EQ(w.tokuten(), 80);
  EXPECT_EQ(w.scoreButton()->caption().str(), "80");
  EXPECT_EQ(w.kaisu(), 10);
  EXPECT_EQ(w.odai()->text().str(), gametest::kUpper[6]);
  EXPECT_TRUE(w.oval()->visible());
}

TEST_F(StepsTest, StartAtStepTenOnlyHidesTheMarksAndRefreshesTheScore) {
  GameWindow w;
  playToStepNine(w);
  w.pressCard(2);
  const gametest::Screen before = screenOf(w);
  w.scoreButton()->setCaption("stale");

  for (int i = 0; i < 3; ++i) {
    w.pressStart();
    const gametest::Screen s = screenOf(w);
    EXPECT_EQ(s.question, before.question);
    EXPECT_EQ(s.cards, before.cards);
    expectMarks(s, Marks::None);
    EXPECT_EQ(s.score, "80");
    EXPECT_EQ(w.kaisu(), 10);
    EXPECT_EQ(w.tokuten(), 80);
  }
}

TEST_F(StepsTest, StartAtStepElevenResetsStepAndScoreWithTextsUnchanged) {
  GameWindow w;
  playToStepNine(w);
  w.pressCard(2);
  w.pressCard(0);  // step 10: not judged
  EXPECT_EQ(w.kaisu(), 11);
  EXPECT_EQ(w.tokuten(), 80);
  const gametest::Screen before = screenOf(w);

  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(w.tokuten(), 0);
  EXPECT_EQ(s.question, before.question);
  EXPECT_EQ(s.cards, before.cards);
  EXPECT_EQ(s.score, "80");  // written before the reset

  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kWelcome);
  EXPECT_EQ(w.scoreButton()->caption().str(), "0");
}

TEST_F(StepsTest, StartFarPastTheEndAlsoResets) {
  GameWindow w;
  w.setKaisu(500);
  w.setTokuten(30);
  w.pressStart();
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(w.tokuten(), 0);
  EXPECT_EQ(w.scoreButton()->caption().str(), "30");
}

TEST_F(StepsTest, RepeatedStartAtAPoemStepDealsAnewAndKeepsPoemAndKey) {
  forceDraws({drawFor(1), drawFor(3)});
  GameWindow w;
  w.setKaisu(3);  // poem 2 asked
  w.pressStart();
  expectCards(screenOf(w), {"D5", "D1", "D2", "L2", "D4"});
  w.oval()->setVisible(true);

  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, gametest::kUpper[1]);
  expectCards(s, {"D5", "D1", "D4", "L2", "D2"});
  expectMarks(s, Marks::None);
  EXPECT_EQ(w.key(), 3);
  EXPECT_EQ(w.kaisu(), 3);
}

TEST_F(StepsTest, MessagesJoinTheirThreeLinesWithTwoCarriageReturns) {
  struct Case {
    const game::MessageLines& lines;
    const std::string& expected;
  };
  for (const Case& c : {Case{game::WelcomeText, gametest::kWelcome},
                        Case{game::InstructionText, gametest::kInstruction}, Case{game::EndText, gametest::kEnd}}) {
    const rt::String text = game::messageText(c.lines);
    EXPECT_EQ(text.str(), c.expected);
    EXPECT_EQ(text.encoding(), rt::kEncodingUTF8);
  }
}

TEST_F(StepsTest, OpeningTheWindowHidesTheMarksAndShowsAScoreOfZero) {
  GameWindow w;
  const gametest::Screen s = screenOf(w);
  expectMarks(s, Marks::None);
  EXPECT_EQ(s.score, "0");
  EXPECT_EQ(s.question, "");
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(w.tokuten(), 0);
  EXPECT_EQ(w.key(), 0);
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(StepsTest, TheWindowsOpenEventResetsStepAndScoreButNotKey) {
  GameWindow w({.leaveOut = {}, .open = false});
  w.setKaisu(6);
  w.setTokuten(30);
  w.setKey(3);
  w.open();
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(w.tokuten(), 0);
  EXPECT_EQ(w.key(), 3);
  expectMarks(screenOf(w), Marks::None);
}

TEST_F(StepsTest, TheScoreButtonsOpenEventShowsTheScoreItFindsWhenTheWindowOpens) {
  // The controls' Open events come before the window's, which then resets
  // the score: only the score button's own handler can have written "45".
  GameWindow w({.leaveOut = {}, .open = false});
  w.setTokuten(45);
  w.open();
  EXPECT_EQ(w.scoreButton()->caption().str(), "45");
  EXPECT_EQ(w.tokuten(), 0);
}

TEST_F(StepsTest, AMissingCrossLineStopsTheWindowsOpenEventAndTheDispatcherHearsOfIt) {
  GameWindow w({.leaveOut = {{"Xline", 1}}, .open = false});
  w.setKaisu(6);
  w.setTokuten(30);
  const auto reports = rt::unhandledExceptionCount();
  w.open();
  const gametest::Screen s = screenOf(w);
  EXPECT_FALSE(s.circle);
  EXPECT_FALSE(s.cross0);  // hidden before the missing line was looked up
  EXPECT_EQ(w.kaisu(), 6);  // the marks come first: step and score are not reached
  EXPECT_EQ(w.tokuten(), 30);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports + 1);
}

TEST_F(StepsTest, TheScoreButtonsOpenEventShowsTheScoreOnItsSender) {
  GameWindow w;
  w.setTokuten(70);
  game::TokutenButton_Open(w.self(), w.scoreButton().get());
  EXPECT_EQ(w.scoreButton()->caption().str(), "70");
}

TEST_F(StepsTest, TheScoreButtonsOpenEventWithNoSenderRaisesNilObjectException) {
  GameWindow w;
  try {
    game::TokutenButton_Open(w.self(), nullptr);
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(r.exception()->classRecord().isa(rt::NilObjectExceptionClass()));
  }
}

// --- a control missing in the middle of a start press ------------------------

// Every control shows something the press would change.
void dirty(const GameWindow& w) {
  for (std::int32_t i = 0; i < 5; ++i) {
    if (auto c = w.card(i)) c->setCaption("old");
  }
  if (auto a = w.odai()) a->setText("old");
  if (auto o = w.oval()) o->setVisible(true);
  for (std::int32_t i = 0; i < 2; ++i) {
    if (auto l = w.xline(i)) l->setVisible(true);
  }
  if (auto b = w.scoreButton()) b->setCaption("old");
}

TEST_F(StepsTest, NoCardTwoAtStepZeroShowsWelcomeAndBlanksOnlyCardsZeroAndOne) {
  GameWindow w({.leaveOut = {{"FudaButton", 2}}});
  dirty(w);
  const auto reports = rt::unhandledExceptionCount();
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, gametest::kWelcome);
  expectCards(s, {"", "", "", "old", "old"});  // card 2 does not exist
  expectMarks(s, Marks::None);
  EXPECT_EQ(s.score, "0");
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports);
}

TEST_F(StepsTest, NoQuestionAreaAtStepZeroHidesMarksAndRefreshesScoreOnly) {
  GameWindow w({.leaveOut = {{"OdaiAREA", {}}}});
  dirty(w);
  w.setTokuten(30);
  const auto reports = rt::unhandledExceptionCount();
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  expectMarks(s, Marks::None);
  EXPECT_EQ(s.score, "30");
  expectCards(s, {"old", "old", "old", "old", "old"});
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(w.tokuten(), 30);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports);

  w.pressStart();  // tries again, fails again at the same step
  EXPECT_EQ(w.kaisu(), 0);
}

TEST_F(StepsTest, NoCircleMarkMakesAStartPressDoNothingAtAll) {
  GameWindow w({.leaveOut = {{"Oval1", {}}}});
  dirty(w);
  w.setTokuten(30);
  const auto reports = rt::unhandledExceptionCount();
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, "old");
  expectCards(s, {"old", "old", "old", "old", "old"});
  EXPECT_TRUE(s.cross0);
  EXPECT_TRUE(s.cross1);
  EXPECT_EQ(s.score, "old");
  EXPECT_EQ(w.kaisu(), 0);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports);
}

TEST_F(StepsTest, NoCrossLineOneStopsTheStartPressAfterHidingLineZero) {
  GameWindow w({.leaveOut = {{"Xline", 1}}});
  dirty(w);
  w.setKaisu(1);
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_FALSE(s.circle);
  EXPECT_FALSE(s.cross0);
  EXPECT_EQ(s.score, "old");
  EXPECT_EQ(s.question, "old");
  EXPECT_EQ(w.kaisu(), 1);
}

TEST_F(StepsTest, NoScoreButtonStopsTheStartPressAfterHidingTheMarks) {
  GameWindow w({.leaveOut = {{"TokutenButton", {}}}});
  dirty(w);
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  expectMarks(s, Marks::None);
  EXPECT_EQ(s.question, "old");
  EXPECT_EQ(w.kaisu(), 0);
}

TEST_F(StepsTest, AFailingPressSkipsTheResetPastTheEnd) {
  GameWindow w({.leaveOut = {{"Oval1", {}}}});
  w.setKaisu(11);
  w.setTokuten(20);
  w.pressStart();
  EXPECT_EQ(w.kaisu(), 11);
  EXPECT_EQ(w.tokuten(), 20);
}

TEST_F(StepsTest, AnExceptionOfAnyKindEndsAStartPressQuietly) {
  // Not a framework exception: the random source fails in the deal.
  rt::setRandomSource([]() -> double { throw std::runtime_error("no randomness"); });
  GameWindow w;
  dirty(w);
  w.setKaisu(2);
  w.setKey(0);
  const auto reports = rt::unhandledExceptionCount();
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, gametest::kUpper[0]);
  expectCards(s, {"old", "old", "old", "old", "old"});
  EXPECT_EQ(w.key(), 0);
  EXPECT_EQ(w.kaisu(), 2);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports);
}

TEST_F(StepsTest, AFailingDealShowsThePoemButSetsNoKeyAndPlacesNoCorrectPhrase) {
  forceDraws({drawFor(1)});
  GameWindow w({.leaveOut = {{"FudaButton", 3}}});
  dirty(w);
  w.setKaisu(2);
  w.setKey(0);
  const auto reports = rt::unhandledExceptionCount();
  w.pressStart();
  const gametest::Screen s = screenOf(w);
  EXPECT_EQ(s.question, gametest::kUpper[0]);
  expectCards(s, {"old", "D1", "D2", "", "old"});  // layout 1 stops at card 3
  EXPECT_EQ(w.key(), 0);
  EXPECT_EQ(w.kaisu(), 2);
  EXPECT_EQ(rt::unhandledExceptionCount(), reports);
}

}  // namespace
