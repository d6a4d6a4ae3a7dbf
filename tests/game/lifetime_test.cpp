// Lifetimes: a game leaks no reference, the window goes away with its last
// owner, and the buttons hold it only weakly.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "game/judging.h"
#include "game_test.h"
#include "platform/runtime/events.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/controls.h"

namespace {

using gametest::GameTest;
using pokotest::GameWindow;

using LifetimeTest = GameTest;

void playWholeGame(const GameWindow& w) {
  w.pressStart();
  w.pressStart();
  for (const std::int32_t card : {4, 0, 2, 1, 0, 3, 4}) {
    w.pressStart();
    w.pressCard(card);
  }
  w.pressStart();
}

TEST_F(LifetimeTest, AWholeGameLeavesObjectAndReferenceCountsWhereTheyWere) {
  GameWindow w;
  std::int32_t cardCounts[5];
  for (std::int32_t i = 0; i < 5; ++i) cardCounts[i] = w.card(i)->refCount();
  const std::int32_t windowCount = w.window().refCount();
  const std::int32_t scoreCount = w.scoreButton()->refCount();
  const std::size_t live = rt::liveObjectCount();

  playWholeGame(w);
  // A failing press makes and drops exception objects; they must go too.
  w.setKaisu(2);
  rt::dispatchEvent([&] { game::FudaButton_Action(w.self(), nullptr); });

  EXPECT_EQ(w.kaisu(), 2);
  EXPECT_EQ(rt::liveObjectCount(), live);
  EXPECT_EQ(w.window().refCount(), windowCount);
  EXPECT_EQ(w.scoreButton()->refCount(), scoreCount);
  for (std::int32_t i = 0; i < 5; ++i) EXPECT_EQ(w.card(i)->refCount(), cardCounts[i]) << "card " << i;
}

TEST_F(LifetimeTest, TearingTheWindowDownFreesEverythingItMade) {
  const std::size_t live = rt::liveObjectCount();
  {
    GameWindow w;
    playWholeGame(w);
    EXPECT_GT(rt::liveObjectCount(), live);
  }
  EXPECT_EQ(rt::liveObjectCount(), live);
}

TEST_F(LifetimeTest, APressAfterTheWindowIsGoneRaisesNilObjectExceptionAndRunsNoHandler) {
  auto w = std::make_unique<GameWindow>();
  const rt::Ref<ui::BevelButton> start = w->startButton();
  const rt::Ref<ui::BevelButton> card = w->card(1);
  const rt::Ref<ui::BevelButton> score = w->scoreButton();
  const rt::WeakRef<ui::Window> window(&w->window());
  w.reset();
  ASSERT_TRUE(window.expired()) << "a button kept the window alive";

  // StartButton_Action would drop any exception of its own, so a report
  // means the handler never ran.
  struct Case {
    const char* what;
    ui::BevelButton* button;
    std::size_t event;
  };
  for (const Case& c : {Case{"start", start.get(), ui::event::kBevelButtonAction},
                        Case{"card", card.get(), ui::event::kBevelButtonAction},
                        Case{"score open", score.get(), ui::event::kControlOpen}}) {
    SCOPED_TRACE(c.what);
    const auto reports = rt::unhandledExceptionCount();
    rt::dispatchEvent([&] { rt::raiseEvent(*c.button, c.event); });
    EXPECT_EQ(rt::unhandledExceptionCount(), reports + 1);
    EXPECT_NE(rt::lastUnhandledReport().find("NilObjectException"), std::string::npos);
  }
  EXPECT_EQ(score->caption().str(), "0");
}

}  // namespace
