// A game window for tests and benchmarks: a Window1 whose controls are made,
// registered, set and wired the way its construction makes them, except that
// a test can leave some out to see the game meet a missing control.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/ui/controls.h"
#include "platform/ui/menu.h"  // window.h holds a Ref<MenuBar> and needs the full class
#include "platform/ui/window.h"

namespace pokotest {

// A control not to make: every element of that name, or only the one index.
struct Missing {
  std::string name;
  std::optional<std::int32_t> index;
};

struct GameWindowOptions {
  std::vector<Missing> leaveOut;
  bool open = true;  // false: the test opens it later with open()
};

class GameWindow {
 public:
  explicit GameWindow(GameWindowOptions options = {});
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // Window.Constructor inside the event dispatch: raises the Open events;
  // an exception from a handler is reported, as the framework would.
  void open();
  // Closes the window and drops the fixture's reference to it.
  void destroy();

  ui::Window& window() const { return *window_; }
  rt::Object& self() const { return *window_; }
  rt::Ref<ui::Window> windowRef() const { return window_; }

  // Controls straight from the window's registry (nil when left out).
  rt::Ref<ui::TextArea> odai() const;
  rt::Ref<ui::Oval> oval() const;
  rt::Ref<ui::Line> xline(std::int32_t i) const;
  rt::Ref<ui::BevelButton> startButton() const;
  rt::Ref<ui::BevelButton> card(std::int32_t i) const;
  rt::Ref<ui::BevelButton> scoreButton() const;

  // Clicks, delivered through the framework's event dispatch.
  void pressStart() const;
  void pressCard(std::int32_t i) const;

  std::int32_t kaisu() const;
  std::int32_t key() const;
  std::int32_t tokuten() const;
  void setKaisu(std::int32_t v) const;
  void setKey(std::int32_t v) const;
  void setTokuten(std::int32_t v) const;

 private:
  bool leftOut(const std::string& name, std::int32_t index) const;
  rt::Ref<ui::Control> make(const char* name, const rt::ClassRecord& cls, std::int32_t index);
  void wire(ui::Control& control, std::size_t event, void (*stub)(rt::Object&), std::size_t handlerSlot);

  GameWindowOptions options_;
  rt::Ref<ui::Window> window_;
};

// Makes Rnd give these values in turn, then the last one again and again.
void forceDraws(std::vector<double> values);
// The draw that FUDA turns into `pick` (its product with 5 truncates to it).
double drawFor(std::int32_t pick);
// Back to the runtime's own generator.
void restoreDraws();

}  // namespace pokotest
