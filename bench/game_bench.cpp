// A whole game of 17 presses played headless: the clicks are posted to the
// framework's event loop and delivered through its dispatch, as the view
// would deliver them.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/runtime/lifecycle.h"
#include "support/game_window.h"

namespace {

constexpr std::int64_t kPressesPerGame = 17;

void BM_WholeGame(benchmark::State& state) {
  rt::RuntimeInit();
  pokotest::GameWindow w;
  const rt::Ref<ui::BevelButton> start = w.startButton();
  rt::Ref<ui::BevelButton> cards[5];
  for (std::int32_t i = 0; i < 5; ++i) cards[i] = w.card(i);
  // The right card of each poem, one wrong pick for a cross now and then.
  const std::int32_t picks[7] = {4, 0, 2, 1, 2, 3, 4};

  const auto click = [](const rt::Ref<ui::BevelButton>& b) { rt::postEvent([&b] { b->push(); }); };
  for (auto _ : state) {
    click(start);
    click(start);
    for (const std::int32_t pick : picks) {
      click(start);
      click(cards[pick]);
    }
    click(start);
    rt::RuntimeRun();
  }
  // Each game ends where it began (step 0, score 0), so every iteration
  // plays the same game; a wrong step would show here.
  if (w.kaisu() != 0 || rt::unhandledExceptionCount() != 0) state.SkipWithError("the game did not end cleanly");

  state.SetItemsProcessed(state.iterations() * kPressesPerGame);
  state.counters["per_press"] =
      benchmark::Counter(static_cast<double>(kPressesPerGame),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeGame);

}  // namespace

BENCHMARK_MAIN();
