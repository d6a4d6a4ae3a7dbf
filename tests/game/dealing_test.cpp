// Card dealing: a draw picks one of five layouts of the wrong phrases; any
// other pick leaves the cards alone.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "game/dealing.h"
#include "game_test.h"
#include "platform/runtime/exceptions.h"

namespace {

using gametest::expectCards;
using gametest::GameTest;
using gametest::screenOf;
using pokotest::drawFor;
using pokotest::forceDraws;
using pokotest::GameWindow;

using DealingTest = GameTest;

void preset(const GameWindow& w) {
  const std::array<const char*, 5> old = {"a", "b", "c", "d", "e"};
  for (std::int32_t i = 0; i < 5; ++i) w.card(i)->setCaption(old[static_cast<std::size_t>(i)]);
}

TEST_F(DealingTest, EachDrawLaysTheLayoutOfItsPickOnTheFiveCards) {
  struct Case {
    double draw;
    std::array<const char*, 5> cards;
  };
  const Case cases[] = {
      {drawFor(1), {"D5", "D1", "D2", "D3", "D4"}},
      {drawFor(2), {"D1", "D3", "D2", "D5", "D4"}},
      {drawFor(3), {"D5", "D1", "D4", "D3", "D2"}},
      {drawFor(4), {"D2", "D5", "D4", "D3", "D1"}},
      {drawFor(0), {"D5", "D4", "D2", "D1", "D3"}},
      // The product with 5 is truncated, not rounded.
      {0.0, {"D5", "D4", "D2", "D1", "D3"}},
      {0.1999, {"D5", "D4", "D2", "D1", "D3"}},
      {0.3999, {"D5", "D1", "D2", "D3", "D4"}},
      {0.9999, {"D2", "D5", "D4", "D3", "D1"}},
  };
  GameWindow w;
  w.setKaisu(4);
  w.setKey(2);
  w.setTokuten(20);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.draw);
    preset(w);
    forceDraws({c.draw});
    game::FUDA(w.self());
    expectCards(screenOf(w), c.cards);
  }
  // Dealing touches no game state.
  EXPECT_EQ(w.kaisu(), 4);
  EXPECT_EQ(w.key(), 2);
  EXPECT_EQ(w.tokuten(), 20);
}

TEST_F(DealingTest, APickOutsideZeroToFourLeavesEveryCaptionAsItWas) {
  GameWindow w;
  for (const double draw : {drawFor(5), drawFor(-1), 1.5, -0.9999, 1e12, -1e12}) {
    SCOPED_TRACE(draw);
    preset(w);
    forceDraws({draw});
    game::FUDA(w.self());
    expectCards(screenOf(w), {"a", "b", "c", "d", "e"});
  }
}

TEST_F(DealingTest, APickOutOfRangeStillGetsTheCorrectPhraseOnTheKeyCard) {
  forceDraws({drawFor(5), drawFor(-1)});
  GameWindow w;
  w.pressStart();
  w.pressStart();
  w.pressStart();  // poem 1, first of the game: the cards stay blank
  expectCards(screenOf(w), {"", "", "", "", "L1"});

  w.setKaisu(3);
  w.pressStart();  // poem 2 keeps poem 1's captions beside its own phrase
  expectCards(screenOf(w), {"", "", "", "L2", "L1"});
}

TEST_F(DealingTest, AMissingCardStopsTheDealAtThatWriteAndRaises) {
  GameWindow w({.leaveOut = {{"FudaButton", 3}}});
  for (std::int32_t i : {0, 1, 2, 4}) w.card(i)->setCaption("old");
  forceDraws({drawFor(1)});  // D1 to card 1, D2 to 2, D3 to the missing 3
  try {
    game::FUDA(w.self());
    FAIL() << "no exception";
  } catch (const rt::Raised& r) {
    EXPECT_TRUE(r.exception()->classRecord().isa(rt::NilObjectExceptionClass()));
  }
  expectCards(screenOf(w), {"old", "D1", "D2", "", "old"});
}

}  // namespace
