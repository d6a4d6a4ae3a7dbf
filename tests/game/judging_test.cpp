// Judging a card press: only steps 2 to 9 are judged; a right pick shows the
// circle and adds 10, a wrong one shows the cross; every press refreshes the
// score and moves the step on.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "game/judging.h"
#include "game_test.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"

namespace {

using gametest::expectMarks;
using gametest::GameTest;
using gametest::Marks;
using gametest::screenOf;
using pokotest::GameWindow;

using JudgingTest = GameTest;

TEST_F(JudgingTest, CardPressesAreJudgedOnlyAtStepsTwoToNine) {
  struct Case {
    std::int32_t kaisu;
    std::int32_t card;  // Key is 2
    Marks marks;
    std::int32_t tokuten;  // from 30
  };
  const Case cases[] = {
      {0, 2, Marks::None, 30},  {0, 0, Marks::None, 30},   {1, 2, Marks::None, 30},  {2, 2, Marks::Circle, 40},
      {2, 0, Marks::Cross, 30}, {5, 2, Marks::Circle, 40}, {5, 4, Marks::Cross, 30}, {8, 2, Marks::Circle, 40},
      {8, 1, Marks::Cross, 30}, {9, 2, Marks::Circle, 40}, {9, 3, Marks::Cross, 30}, {10, 2, Marks::None, 30},
      {11, 0, Marks::None, 30}, {57, 2, Marks::None, 30},  {-4, 2, Marks::None, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("Kaisu " + std::to_string(c.kaisu) + ", card " + std::to_string(c.card));
    GameWindow w;
    w.setKaisu(c.kaisu);
    w.setKey(2);
    w.setTokuten(30);
    w.scoreButton()->setCaption("old");
    w.pressCard(c.card);
    const gametest::Screen s = screenOf(w);
    expectMarks(s, c.marks);
    EXPECT_EQ(w.tokuten(), c.tokuten);
    EXPECT_EQ(s.score, std::to_string(c.tokuten));
    EXPECT_EQ(w.kaisu(), c.kaisu + 1);
    EXPECT_EQ(w.key(), 2);
  }
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(JudgingTest, AWrongThenARightPressShowBothMarksAndSkipAPoem) {
  GameWindow w;
  w.setKaisu(2);
  w.setKey(4);
  w.pressCard(0);
  w.pressCard(4);
  expectMarks(screenOf(w), Marks::Both);
  EXPECT_EQ(w.tokuten(), 10);
  EXPECT_EQ(w.kaisu(), 4);
  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kUpper[2]);  // poem 2 skipped
}

TEST_F(JudgingTest, ACardPressBeforeTheFirstPoemIsJudgedAgainstKeyZeroInTheFirstGame) {
  GameWindow w;
  w.pressStart();
  w.pressStart();
  w.pressCard(0);
  EXPECT_TRUE(w.oval()->visible());
  EXPECT_EQ(w.tokuten(), 10);
  EXPECT_EQ(w.kaisu(), 3);
  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kUpper[1]);  // poem 1 never shown
}

TEST_F(JudgingTest, ACardPressBeforeTheFirstPoemIsJudgedAgainstTheLastGamesKey) {
  GameWindow w;
  w.pressStart();
  w.pressStart();
  for (const std::int32_t key : {4, 3, 2, 1, 2, 3, 2}) {
    w.pressStart();
    w.pressCard(key);
  }
  w.pressStart();  // end
  w.pressStart();  // welcome
  w.pressStart();  // instructions
  ASSERT_EQ(w.kaisu(), 2);
  w.pressCard(0);
  expectMarks(screenOf(w), Marks::Cross);
  w.setKaisu(2);
  w.pressCard(2);
  EXPECT_TRUE(w.oval()->visible());
  EXPECT_EQ(w.tokuten(), 10);
}

TEST_F(JudgingTest, CardPressesAtStepsZeroAndOneSkipTheWelcomeAndInstructions) {
  GameWindow w;
  w.pressCard(3);
  EXPECT_EQ(w.kaisu(), 1);
  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kInstruction);
  w.pressCard(3);
  EXPECT_EQ(w.kaisu(), 3);
  w.pressStart();
  EXPECT_EQ(w.odai()->text().str(), gametest::kUpper[1]);
  expectMarks(screenOf(w), Marks::None);
  EXPECT_EQ(w.tokuten(), 0);
}

TEST_F(JudgingTest, ASenderThatIsNotACardRaisesAndChangesNothing) {
  GameWindow w;
  w.setKaisu(2);
  w.setKey(0);
  w.scoreButton()->setCaption("old");
  const rt::Ref<rt::Object> notCards[] = {nullptr, w.startButton(), w.scoreButton(), w.oval()};
  for (std::size_t i = 0; i < std::size(notCards); ++i) {
    SCOPED_TRACE(i);
    const auto reports = rt::unhandledExceptionCount();
    rt::dispatchEvent([&] { game::FudaButton_Action(w.self(), notCards[i].get()); });
    EXPECT_EQ(rt::unhandledExceptionCount(), reports + 1);
    EXPECT_NE(rt::lastUnhandledReport().find("NilObjectException"), std::string::npos);
    expectMarks(screenOf(w), Marks::None);
    EXPECT_EQ(w.scoreButton()->caption().str(), "old");
    EXPECT_EQ(w.kaisu(), 2);
    EXPECT_EQ(w.tokuten(), 0);
  }
}

// A control missing in a card press: the exception reaches the dispatcher,
// what was done stays done, and the step does not move.
TEST_F(JudgingTest, AMissingControlEndsTheCardPressThereAndReachesTheDispatcher) {
  struct Case {
    const char* missing;
    std::int32_t missingIndex;
    std::int32_t kaisu;
    std::int32_t card;  // Key is 4
    bool circle, cross0;
    std::int32_t tokuten;
  };
  const Case cases[] = {
      {"TokutenButton", ui::kNoIndex, 2, 4, true, false, 10},  // score raised, caption not written
      {"Oval1", ui::kNoIndex, 2, 4, false, false, 0},          // fails before the points
      {"Oval1", ui::kNoIndex, 9, 4, false, false, 10},         // at step 9 the points come first
      {"Xline", 1, 2, 0, false, true, 0},                      // line 0 stays shown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.missing) + " at Kaisu " + std::to_string(c.kaisu));
    GameWindow w({.leaveOut = {{c.missing, c.missingIndex}}});
    if (auto o = w.oval()) o->setVisible(false);
    for (std::int32_t i = 0; i < 2; ++i) {
      if (auto l = w.xline(i)) l->setVisible(false);
    }
    if (auto b = w.scoreButton()) b->setCaption("old");
    w.setKaisu(c.kaisu);
    w.setKey(4);
    const auto reports = rt::unhandledExceptionCount();
    w.pressCard(c.card);
    const gametest::Screen s = screenOf(w);
    EXPECT_EQ(rt::unhandledExceptionCount(), reports + 1);
    EXPECT_EQ(s.circle, c.circle);
    EXPECT_EQ(s.cross0, c.cross0);
    EXPECT_EQ(w.tokuten(), c.tokuten);
    EXPECT_EQ(w.kaisu(), c.kaisu);
    if (auto b = w.scoreButton()) {
      EXPECT_EQ(b->caption().str(), "old");
    }
  }
}

TEST_F(JudgingTest, KaisuWrapsFromInt32MaxToInt32MinOnACardPress) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  GameWindow w;
  w.setKaisu(kMax);
  w.pressCard(0);
  EXPECT_EQ(w.kaisu(), kMin);
  expectMarks(screenOf(w), Marks::None);
  w.pressStart();  // a negative step is no case and no reset
  EXPECT_EQ(w.kaisu(), kMin);
}

TEST_F(JudgingTest, TokutenWrapsOnARightPickAtInt32Max) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  GameWindow w;
  w.setKaisu(2);
  w.setKey(4);
  w.setTokuten(kMax - 5);
  w.pressCard(4);
  EXPECT_EQ(w.tokuten(), std::numeric_limits<std::int32_t>::min() + 4);
  EXPECT_EQ(w.scoreButton()->caption().str(), "-2147483644");
}

}  // namespace
