// Window1's construction: Layout's menu bar and settings, the nineteen
// controls of _CreateControls0 in their order with their settings, blocks and
// handlers, and whole games played by pressing the real buttons.
#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "app/menu_bar1.h"
#include "platform/runtime/events.h"
#include "window/layout.h"
#include "window_test.h"

namespace {

using windowtest::control;
using windowtest::int32Of;
using windowtest::openWindow1;
using windowtest::press;
using windowtest::raisedBy;
using windowtest::WindowTest;

using LayoutTest = WindowTest;

constexpr std::int32_t none = ui::kNoIndex;

// The nineteen controls in creation order: the class made, how often each is
// fetched back (its settings, its block, its wiring), and where its block
// puts it with what text or caption.
struct Made {
  const char* name;
  std::int32_t index;
  const char* cls;
  int fetches;
  std::int32_t left, top, width, height;
  const char* text;  // null: no text
};
// clang-format off
const Made kControls[] = {
  {"OdaiAREA",      none, "TextArea",           3,  95,  23, 519,  84, ""},
  {"Label1",        none, "Label",              2,  22,  48,  61,  59, "お題"},
  {"MiniLabel",     0,    "Window1.MiniLabel",  2,  28, 166,  80,  45, "壱"},
  {"MiniLabel",     1,    "Window1.MiniLabel",  2,  28, 227,  80,  45, "弐"},
  {"MiniLabel",     2,    "Window1.MiniLabel",  2,  28, 276,  80,  45, "参\r"},
  {"MiniLabel",     3,    "Window1.MiniLabel",  2,  28, 327,  80,  45, "四\r"},
  {"MiniLabel",     4,    "Window1.MiniLabel",  2,  28, 386,  80,  45, "伍"},
  {"Oval1",         none, "Oval",               1, 522, 193, 100, 100, nullptr},
  {"Xline",         1,    "Window1.Xline",      1, 534, 284, 100,  50, nullptr},
  {"Xline",         0,    "Window1.Xline",      1, 534, 200, 100,  50, nullptr},
  {"Timer1",        none, "Window1.Timer1",     1,   0,   0,   0,   0, nullptr},
  {"StartButton",   none, "BevelButton",        3, 109, 119, 149,  23, "スタート"},
  {"FudaButton",    0,    "Window1.FudaButton", 3, 109, 166, 388,  49, ""},
  {"FudaButton",    1,    "Window1.FudaButton", 3, 109, 223, 388,  49, ""},
  {"FudaButton",    2,    "Window1.FudaButton", 3, 109, 276, 388,  49, ""},
  {"FudaButton",    3,    "Window1.FudaButton", 3, 109, 327, 388,  49, ""},
  {"FudaButton",    4,    "Window1.FudaButton", 3, 109, 376, 388,  49, ""},
  {"Label2",        none, "Label",              2, 324, 108,  61,  59, "得点"},
  {"TokutenButton", none, "BevelButton",        4, 397, 119, 130,  41, "0"},
};
// clang-format on

std::string fetchLine(const std::string& name, std::int32_t index) {
  return "fetch " + name + (index == none ? "" : " " + std::to_string(index));
}

// --- Window1 subclasses with some slots replaced -------------------------------------

std::vector<std::string> gTrace;
const rt::MethodSlot& windowSlot(std::size_t i) { return ui::WindowClass().vtable[i]; }

// A new control as the framework makes it, marked with settings unlike any
// default, so the window's own settings must replace them.
rt::Ref<rt::Object> tracedNew(rt::Object& self, const rt::ClassRecord* cls) {
  gTrace.push_back("new " + cls->name.str());
  rt::Ref<rt::Object> made = rt::callFn<rt::Ref<rt::Object>(const rt::ClassRecord*)>(
      windowSlot(ui::slot::kWindowNew), ui::slot::kWindowNewSig, self, cls);
  if (auto* t = dynamic_cast<ui::TextArea*>(made.get())) {
    t->setTextUnit(3);
    t->setLineSpacing(2.5);
  }
  if (auto* l = dynamic_cast<ui::Label*>(made.get())) l->setTextUnit(3);
  if (auto* b = dynamic_cast<ui::BevelButton*>(made.get())) {
    b->setTextUnit(3);
    b->setTextSize(9.0f);
  }
  return made;
}

// Logs the name with the control's index and whether it is constructed.
void tracedAdd(rt::Object& self, const rt::String& name, rt::Object* c) {
  auto* control = dynamic_cast<ui::Control*>(c);
  gTrace.push_back("add " + name.str() + " " + std::to_string(control->index()) +
                   (control->constructed() ? "" : " unconstructed"));
  rt::callFn<void(const rt::String&, rt::Object*)>(windowSlot(ui::slot::kWindowAddControl),
                                                   ui::slot::kWindowAddControlSig, self, name, c);
}

rt::Ref<rt::Object> tracedByName(rt::Object& self, const rt::String& name) {
  gTrace.push_back(fetchLine(name.str(), none));
  return rt::callFn<rt::Ref<rt::Object>(const rt::String&)>(windowSlot(ui::slot::kWindowControlByName),
                                                            ui::slot::kWindowControlByNameSig, self, name);
}

rt::Ref<rt::Object> tracedByNameIndex(rt::Object& self, const rt::String& name, std::int32_t index) {
  gTrace.push_back(fetchLine(name.str(), index));
  return rt::callFn<rt::Ref<rt::Object>(const rt::String&, std::int32_t)>(
      windowSlot(ui::slot::kWindowControlByNameIndex), ui::slot::kWindowControlByNameIndexSig, self, name, index);
}

void tracedCreateControls0(rt::Object& self) {
  gTrace.push_back("_CreateControls0");
  window1::_CreateControls0(self);
}

int gOtherCardHandlerCalls = 0;
void otherCardHandler(rt::Object& /*self*/, rt::Object* /*sender*/) { ++gOtherCardHandlerCalls; }
void notAHandler(rt::Object& /*self*/) {}

const rt::ClassRecord& window1Subclass(const rt::ClassRecord*& cache, const char* name,
                                       std::vector<std::pair<std::size_t, rt::MethodSlot>> slots) {
  if (cache) return *cache;
  const rt::ClassRecord& super = window1::Window1Class();
  rt::ClassSpec desc;
  desc.name = name;
  desc.superLookup = [] { return &window1::Window1Class(); };
  desc.counts = {.methodInfo = static_cast<std::uint32_t>(super.methodInfo.size()),
                 .events = static_cast<std::uint32_t>(super.events.size()),
                 .properties = static_cast<std::uint32_t>(super.properties.size())};
  desc.slotCount = super.vtable.size();
  desc.slots = std::move(slots);
  return rt::buildClass(cache, desc);
}

const rt::ClassRecord& TracedWindow1() {
  static const rt::ClassRecord* cache = nullptr;
  namespace s = ui::slot;
  return window1Subclass(
      cache, "Test.TracedWindow1",
      {{s::kWindowAddControl, rt::makeSlot("Test.add", s::kWindowAddControlSig, &tracedAdd)},
       {s::kWindowNew, rt::makeSlot("Test.new", s::kWindowNewSig, &tracedNew)},
       {s::kWindowControlByName, rt::makeSlot("Test.get", s::kWindowControlByNameSig, &tracedByName)},
       {s::kWindowControlByNameIndex, rt::makeSlot("Test.getAt", s::kWindowControlByNameIndexSig, &tracedByNameIndex)},
       {window1::kCreateControls0Slot, rt::makeSlot("Test.create", "%%", &tracedCreateControls0)}});
}

const rt::ClassRecord& OtherCardHandlerWindow1() {
  static const rt::ClassRecord* cache = nullptr;
  return window1Subclass(
      cache, "Test.OtherCardHandlerWindow1",
      {{window1::kFudaButtonActionSlot, rt::makeSlot("Test.otherCardHandler", "%%o<BevelButton>", &otherCardHandler)}});
}

const rt::ClassRecord& BrokenCardHandlerWindow1() {
  static const rt::ClassRecord* cache = nullptr;
  return window1Subclass(cache, "Test.BrokenCardHandlerWindow1",
                         {{window1::kFudaButtonActionSlot, rt::makeSlot("Test.notAHandler", "%%", &notAHandler)}});
}

// --- creation -----------------------------------------------------------------------

TEST_F(LayoutTest, ControlsAreMadeRegisteredAndFetchedBackStepByStepInCreationOrder) {
  gTrace.clear();
  const auto w = windowtest::make<ui::Window>(TracedWindow1());
  window1::CreateControls(*w);  // through slot 53

  // Each control is constructed before it is registered (but the timer,
  // whose own constructor is empty), an array element with its index.
  std::vector<std::string> expected = {"_CreateControls0"};
  for (const Made& m : kControls) {
    const bool timer = std::string(m.name) == "Timer1";
    const std::int32_t index = m.index != none ? m.index : timer ? 0 : none;
    expected.push_back(std::string("new ") + m.cls);
    expected.push_back(std::string("add ") + m.name + " " + std::to_string(index) + (timer ? " unconstructed" : ""));
    for (int i = 0; i < m.fetches; ++i) expected.push_back(fetchLine(m.name, m.index));
  }
  EXPECT_EQ(gTrace, expected);
  const auto fetches = [](bool indexed) {
    return std::count_if(gTrace.begin(), gTrace.end(), [indexed](const std::string& line) {
      return line.starts_with("fetch ") && (line.find(' ', 6) != std::string::npos) == indexed;
    });
  };
  EXPECT_EQ(fetches(false), 16);
  EXPECT_EQ(fetches(true), 27);

  // The settings made before the blocks replaced the marks of tracedNew.
  const auto odai = control<ui::TextArea>(*w, "OdaiAREA");
  EXPECT_EQ(odai->lineSpacing(), 1.0);
  EXPECT_EQ(odai->textUnit(), 0);
  for (const auto& c : w->controls()) {
    if (auto* l = dynamic_cast<ui::Label*>(c.get())) {
      EXPECT_EQ(l->textUnit(), 0) << c->name().str();
    }
    if (auto* b = dynamic_cast<ui::BevelButton*>(c.get())) {
      EXPECT_EQ(b->textUnit(), 0) << c->name().str();
      EXPECT_EQ(b->textSize(), c->name().str() == "TokutenButton" ? 24.0 : 9.0) << c->name().str();
    }
  }
}

TEST_F(LayoutTest, LayoutGivesTheWindowTheOneMenuBarAndItsSettings) {
  const rt::Ref<rt::Object> bar = app::MenuBar1Instance();
  const std::int32_t barCount = bar->refCount();
  const auto w = windowtest::newWindow1();
  window1::Layout(*w);
  EXPECT_EQ(w->menuBar().get(), bar.get());
  EXPECT_EQ(bar->refCount(), barCount + 1);  // the window's; Layout let go of its own
  EXPECT_EQ(w->title().str(), "ポコリンド");
  EXPECT_EQ(w->width(), 675);
  EXPECT_EQ(w->height(), 506);
  EXPECT_EQ(w->backColor(), (rt::Color{0xFF, 0x2E, 0x3C}));
  EXPECT_TRUE(w->controls().empty());
}

TEST_F(LayoutTest, OpeningWindow1GivesEachControlTheClassPlaceAndTextOfItsBlock) {
  const auto w = openWindow1();
  ASSERT_EQ(w->controls().size(), std::size(kControls));
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    const Made& m = kControls[i];
    const rt::Ref<ui::Control>& c = w->controls()[i];
    SCOPED_TRACE(fetchLine(m.name, m.index));
    EXPECT_EQ(c->name().str(), m.name);
    EXPECT_EQ(c->classRecord().name.str(), m.cls);
    EXPECT_EQ(c->index(), m.index == none && std::string(m.name) == "Timer1" ? 0 : m.index);
    if (auto* r = dynamic_cast<ui::RectControl*>(c.get())) {
      EXPECT_EQ(std::vector({r->left(), r->top(), r->width(), r->height()}),
                std::vector({m.left, m.top, m.width, m.height}));
    }
    std::string text;
    if (auto* t = dynamic_cast<ui::TextArea*>(c.get())) text = t->text().str();
    if (auto* l = dynamic_cast<ui::Label*>(c.get())) text = l->text().str();
    if (auto* b = dynamic_cast<ui::BevelButton*>(c.get())) text = b->caption().str();
    EXPECT_EQ(text, m.text ? m.text : "");
  }
  for (const auto& [index, y1, x2, y2] : {std::tuple{1, 284, 604, 205}, std::tuple{0, 200, 614, 284}}) {
    const auto line = control<ui::Line>(*w, "Xline", index);
    EXPECT_EQ(std::vector({line->x1(), line->y1(), line->x2(), line->y2(), line->borderWidth()}),
              std::vector({534, y1, x2, y2, 2}));
  }
  const auto timer = control<ui::Timer>(*w, "Timer1");
  EXPECT_EQ(timer->mode(), 2);
  EXPECT_EQ(timer->period(), 1000);
  EXPECT_EQ(control<ui::BevelButton>(*w, "TokutenButton")->textSize(), 24.0);
  // The window's Open hid the marks.
  EXPECT_FALSE(control<ui::Oval>(*w, "Oval1")->visible());
  EXPECT_FALSE(control<ui::Line>(*w, "Xline", 0)->visible());
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

// --- wiring ----------------------------------------------------------------------------

TEST_F(LayoutTest, SevenButtonsCarryAWeakDelegateToTheirWindowsHandler) {
  // Name, index, event, handler slot, one row per delegate.
  std::vector<std::string> expected = {"StartButton -2147483648 17 64"};
  for (int i = 0; i < 5; ++i) expected.push_back("FudaButton " + std::to_string(i) + " 17 65");
  expected.push_back("TokutenButton -2147483648 1 66");

  const auto w = windowtest::newWindow1();
  rt::callSlot<void()>(*w, window1::kCreateControls0Slot, "%%");
  EXPECT_EQ(w->refCount(), 1);  // no delegate holds the window

  std::vector<std::string> found;
  std::vector<const rt::Delegate*> delegates;
  for (const auto& c : w->controls()) {
    for (std::size_t event : {ui::event::kControlOpen, ui::event::kBevelButtonAction}) {
      const rt::Ref<rt::Delegate> d = rt::attachedDelegate(*c, event);
      if (!d) continue;
      EXPECT_TRUE(d->isWeak());
      EXPECT_EQ(d->target().get(), w.get());
      std::size_t slot = 0;
      for (std::size_t s : {64, 65, 66}) slot = d->function().fn == w->classRecord().vtable[s].fn ? s : slot;
      found.push_back(c->name().str() + " " + std::to_string(c->index()) + " " + std::to_string(event) + " " +
                      std::to_string(slot));
      delegates.push_back(d.get());
    }
  }
  EXPECT_EQ(found, expected);
  std::sort(delegates.begin(), delegates.end());
  EXPECT_EQ(std::unique(delegates.begin(), delegates.end()), delegates.end());  // one delegate each
}

TEST_F(LayoutTest, HandlersAreReadFromTheWindowsOwnMethodTableWhenWired) {
  gOtherCardHandlerCalls = 0;
  const auto w = windowtest::make<ui::Window>(OtherCardHandlerWindow1());
  windowtest::open(*w);
  rt::setInt32Property(*w, "Kaisu", 2);
  press(control<ui::BevelButton>(*w, "FudaButton", 3));
  EXPECT_EQ(gOtherCardHandlerCalls, 1);
  EXPECT_EQ(int32Of(*w, "Kaisu"), 2);  // the game's handler did not run
}

TEST_F(LayoutTest, AFailingStepKeepsTheControlsMadeBeforeItAndMakesNoMore) {
  const auto w = windowtest::make<ui::Window>(BrokenCardHandlerWindow1());
  EXPECT_EQ(raisedBy([&] { window1::_CreateControls0(*w); }), "RuntimeException");
  // Everything up to the first card's block; its wiring failed.
  EXPECT_EQ(w->controls().size(), 13u);
  const auto card = control<ui::BevelButton>(*w, "FudaButton", 0);
  EXPECT_EQ(card->top(), 166);
  EXPECT_FALSE(rt::attachedDelegate(*card, ui::event::kBevelButtonAction));
  EXPECT_EQ(w->refCount(), 1);
}

TEST_F(LayoutTest, ButtonsWhoseWindowIsGoneRaiseNilObjectAndRunNoHandler) {
  rt::Ref<ui::BevelButton> start, card, score;
  rt::WeakRef<ui::Window> watch;
  {
    const auto w = openWindow1();
    start = control<ui::BevelButton>(*w, "StartButton");
    card = control<ui::BevelButton>(*w, "FudaButton", 2);
    score = control<ui::BevelButton>(*w, "TokutenButton");
    watch = rt::WeakRef<ui::Window>(w.get());
    w->close();
  }
  ASSERT_TRUE(watch.expired());
  EXPECT_EQ(raisedBy([&] { card->push(); }), "NilObjectException");
  EXPECT_EQ(raisedBy([&] { start->push(); }), "NilObjectException");
  EXPECT_EQ(raisedBy([&] { score->callOpenEvent(); }), "NilObjectException");
}

// --- whole games ----------------------------------------------------------------

// The card that carries the right lower phrase, poem by poem.
constexpr std::int32_t kKeys[7] = {4, 3, 2, 1, 2, 3, 2};

// Everything the game shows or keeps.
std::string stateOf(ui::Window& w) {
  std::string s = std::to_string(int32Of(w, "Kaisu")) + "/" + std::to_string(int32Of(w, "Key")) + "/" +
                  std::to_string(int32Of(w, "Tokuten")) + "|" + control<ui::TextArea>(w, "OdaiAREA")->text().str();
  for (const auto& c : w.controls()) {
    if (auto* b = dynamic_cast<ui::BevelButton*>(c.get())) s += "|" + b->caption().str();
    if (auto* r = dynamic_cast<ui::RectControl*>(c.get())) s += r->visible() ? "+" : "-";
  }
  return s;
}

// A press, then the timer running for three periods, which changes nothing.
void pressWithTheTimerRunning(ui::Window& w, const rt::Ref<ui::BevelButton>& button) {
  press(button);
  const std::string before = stateOf(w);
  control<ui::Timer>(w, "Timer1")->elapse(3000);
  EXPECT_EQ(stateOf(w), before);
}

TEST_F(LayoutTest, WholeGamesPlayedOnTheRealButtonsScoreTenPerRightPick) {
  struct Game {
    const char* what;
    bool right[7];
    std::int32_t score;
  };
  // clang-format off
  const Game games[] = {
    {"all right",   {true,  true,  true,  true,  true,  true,  true},  70},
    {"all wrong",   {false, false, false, false, false, false, false},  0},
    {"alternating", {true,  false, true,  false, true,  false, true},  40},
  };
  // clang-format on
  for (const Game& g : games) {
    SCOPED_TRACE(g.what);
    rt::setRandomSource([] { return 0.5; });
    const auto w = openWindow1();
    const auto start = control<ui::BevelButton>(*w, "StartButton");
    pressWithTheTimerRunning(*w, start);  // welcome
    pressWithTheTimerRunning(*w, start);  // instructions
    for (std::size_t poem = 0; poem < 7; ++poem) {
      pressWithTheTimerRunning(*w, start);
      ASSERT_EQ(int32Of(*w, "Key"), kKeys[poem]);
      const std::int32_t pick = g.right[poem] ? kKeys[poem] : (kKeys[poem] + 1) % 5;
      pressWithTheTimerRunning(*w, control<ui::BevelButton>(*w, "FudaButton", pick));
      EXPECT_EQ(control<ui::Oval>(*w, "Oval1")->visible(), g.right[poem]);
      EXPECT_EQ(control<ui::Line>(*w, "Xline", 1)->visible(), !g.right[poem]);
    }
    EXPECT_EQ(int32Of(*w, "Tokuten"), g.score);
    EXPECT_EQ(control<ui::BevelButton>(*w, "TokutenButton")->caption().str(), std::to_string(g.score));
    pressWithTheTimerRunning(*w, start);  // the end text resets the game
    EXPECT_EQ(int32Of(*w, "Kaisu"), 0);
    EXPECT_EQ(int32Of(*w, "Tokuten"), 0);
    w->close();
  }
  EXPECT_EQ(rt::unhandledExceptionCount(), 0u);
}

TEST_F(LayoutTest, AClosedWindowLeavesNoObjectBehind) {
  app::MenuBar1Instance();  // the one menu bar lives to the end of the run
  const std::size_t live = rt::liveObjectCount();
  {
    const auto w = openWindow1();
    press(control<ui::BevelButton>(*w, "StartButton"));
    press(control<ui::BevelButton>(*w, "FudaButton", 0));
    w->close();
  }
  EXPECT_EQ(rt::liveObjectCount(), live);
}

}  // namespace
