#include "support/game_window.h"

#include <memory>
#include <stdexcept>
#include <utility>

#include "platform/runtime/events.h"
#include "platform/runtime/fields.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "window/control_classes.h"
#include "window/layout.h"
#include "window/window1_class.h"

namespace pokotest {

GameWindow::GameWindow(GameWindowOptions options) : options_(std::move(options)) {
  // The bevel button's setters go through the plug-in entry table.
  if (rt::pluginEntrypointCount() == 0) {
    rt::RuntimeAllocatePluginEntrypointsTable(70);
    ui::RuntimeInitPluginEntrypoints();
  }
  // The real window class, but the controls are made here rather than by
  // its CreateControls hook, so a test can leave some out.
  const rt::Ref<rt::Object> obj = rt::RuntimeNewObject(window1::Window1Class());
  window_ = rt::checkCast<ui::Window>(obj.get(), ui::WindowClass());

  const std::int32_t none = ui::kNoIndex;
  if (auto c = make("OdaiAREA", ui::TextAreaClass(), none)) {
    rt::checkCast<ui::TextArea>(c.get(), ui::TextAreaClass())->setText("");
  }
  make("Label1", ui::LabelClass(), none);
  for (std::int32_t i = 0; i <= 4; ++i) make("MiniLabel", window1::MiniLabelClass(), i);
  make("Oval1", ui::OvalClass(), none);
  // Element 1 of the cross is made before element 0, as in the real window.
  make("Xline", window1::XlineClass(), 1);
  make("Xline", window1::XlineClass(), 0);
  make("Timer1", window1::Timer1Class(), none);
  if (auto c = make("StartButton", ui::BevelButtonClass(), none)) {
    rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("スタート");
    wire(*c, ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
         window1::kStartButtonActionSlot);
  }
  for (std::int32_t i = 0; i <= 4; ++i) {
    if (auto c = make("FudaButton", window1::FudaButtonClass(), i)) {
      rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("");
      wire(*c, ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
           window1::kFudaButtonActionSlot);
    }
  }
  make("Label2", ui::LabelClass(), none);
  if (auto c = make("TokutenButton", ui::BevelButtonClass(), none)) {
    rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("0");
    wire(*c, ui::event::kControlOpen, rt::AddHandlerStub<ui::event::kControlOpen>,
         window1::kTokutenButtonOpenSlot);
  }

  if (options_.open) open();
}

GameWindow::~GameWindow() { destroy(); }

void GameWindow::open() {
  // The Open events as the window's construction raises them: each control's
  // in order of registration, then the window's own.
  rt::dispatchEvent([this] {
    const std::vector<rt::Ref<ui::Control>> made = window_->controls();
    for (const auto& c : made) rt::raiseEvent(*c, ui::event::kControlOpen);
    rt::raiseEvent(*window_, ui::event::kWindowOpen);
  });
}

void GameWindow::destroy() {
  if (!window_) return;
  window_->close();
  window_.reset();
}

bool GameWindow::leftOut(const std::string& name, std::int32_t index) const {
  for (const Missing& m : options_.leaveOut) {
    if (m.name == name && (!m.index || *m.index == index)) return true;
  }
  return false;
}

rt::Ref<ui::Control> GameWindow::make(const char* name, const rt::ClassRecord& cls, std::int32_t index) {
  if (leftOut(name, index)) return nullptr;
  rt::Ref<ui::Control> c = window_->newControl(cls);
  if (index == ui::kNoIndex) {
    c->construct();
  } else {
    // An element of a control array: its class's index constructor.
    rt::callSlot<void(std::int32_t)>(*c, cls.vtable.size() - 1, "%%i4", index);
  }
  window_->addControl(name, c.get());
  // The window is built with every control showing, the marks included.
  if (auto rect = rt::checkCast<ui::RectControl>(c.get(), ui::RectControlClass())) rect->setVisible(true);
  return c;
}

void GameWindow::wire(ui::Control& control, std::size_t event, void (*stub)(rt::Object&), std::size_t handlerSlot) {
  // Read from the window's method table, held weakly, as the window does it.
  window1::attachWindowHandler(&control, *window_, event, stub, handlerSlot);
}

namespace {
template <class T>
rt::Ref<T> typed(const rt::Ref<ui::Control>& c, const rt::ClassRecord& cls) {
  return rt::checkCast<T>(c.get(), cls);
}
}  // namespace

rt::Ref<ui::TextArea> GameWindow::odai() const {
  return typed<ui::TextArea>(window_->controlByName("OdaiAREA"), ui::TextAreaClass());
}
rt::Ref<ui::Oval> GameWindow::oval() const { return typed<ui::Oval>(window_->controlByName("Oval1"), ui::OvalClass()); }
rt::Ref<ui::Line> GameWindow::xline(std::int32_t i) const {
  return typed<ui::Line>(window_->controlByNameIndex("Xline", i), ui::LineClass());
}
rt::Ref<ui::BevelButton> GameWindow::startButton() const {
  return typed<ui::BevelButton>(window_->controlByName("StartButton"), ui::BevelButtonClass());
}
rt::Ref<ui::BevelButton> GameWindow::card(std::int32_t i) const {
  return typed<ui::BevelButton>(window_->controlByNameIndex("FudaButton", i), ui::BevelButtonClass());
}
rt::Ref<ui::BevelButton> GameWindow::scoreButton() const {
  return typed<ui::BevelButton>(window_->controlByName("TokutenButton"), ui::BevelButtonClass());
}

void GameWindow::pressStart() const {
  const rt::Ref<ui::BevelButton> b = startButton();
  rt::dispatchEvent([&b] { b->push(); });
}

void GameWindow::pressCard(std::int32_t i) const {
  const rt::Ref<ui::BevelButton> b = card(i);
  rt::dispatchEvent([&b] { b->push(); });
}

std::int32_t GameWindow::kaisu() const { return rt::int32Property(*window_, "Kaisu"); }
std::int32_t GameWindow::key() const { return rt::int32Property(*window_, "Key"); }
std::int32_t GameWindow::tokuten() const { return rt::int32Property(*window_, "Tokuten"); }
void GameWindow::setKaisu(std::int32_t v) const { rt::setInt32Property(*window_, "Kaisu", v); }
void GameWindow::setKey(std::int32_t v) const { rt::setInt32Property(*window_, "Key", v); }
void GameWindow::setTokuten(std::int32_t v) const { rt::setInt32Property(*window_, "Tokuten", v); }

void forceDraws(std::vector<double> values) {
  if (values.empty()) throw std::invalid_argument("forceDraws needs at least one value");
  auto queue = std::make_shared<std::vector<double>>(std::move(values));
  auto next = std::make_shared<std::size_t>(0);
  rt::setRandomSource([queue, next] {
    const double v = (*queue)[*next];
    if (*next + 1 < queue->size()) ++*next;
    return v;
  });
}

double drawFor(std::int32_t pick) { return (pick + (pick < 0 ? -0.5 : 0.5)) / 5.0; }

void restoreDraws() { rt::setRandomSource({}); }

}  // namespace pokotest
