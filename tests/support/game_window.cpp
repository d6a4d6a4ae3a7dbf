#include "support/game_window.h"

#include <memory>
#include <utility>

#include "game/judging.h"
#include "game/steps.h"
#include "platform/runtime/events.h"
#include "platform/runtime/fields.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"

namespace pokotest {

namespace {

// The superclass's counts; the caller adds the class's own members.
rt::ClassCounts inheritedCounts(const rt::ClassRecord& super) {
  rt::ClassCounts n;
  n.methodInfo = static_cast<std::uint32_t>(super.methodInfo.size());
  n.interfaces = static_cast<std::uint32_t>(super.interfaces.size());
  n.events = static_cast<std::uint32_t>(super.events.size());
  n.fifth = 0;
  n.properties = static_cast<std::uint32_t>(super.properties.size());
  n.classAttributes = 0;
  return n;
}

rt::PropertyDecl int32Field(const char* name, std::uint32_t storage) {
  rt::PropertyDecl p;
  p.name = name;
  p.flags = 5;
  p.type = "i4";
  p.storage = storage;
  p.getter = rt::Int32_GetValue;
  p.setter = rt::Int32_SetValue;
  p.valueGetter = rt::Int32_Introspection_GetValue;
  p.valueSetter = rt::Int32_Introspection_SetValue;
  p.fieldStorage = true;
  return p;
}

const rt::ClassRecord* windowSuper() { return &ui::WindowClass(); }
const rt::ClassRecord* bevelButtonSuper() { return &ui::BevelButtonClass(); }

}  // namespace

const rt::ClassRecord& Window1TestClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  const rt::ClassRecord& super = ui::WindowClass();
  rt::ClassSpec desc;
  desc.name = "Window1.Window1";
  desc.superLookup = windowSuper;
  desc.counts = inheritedCounts(super);
  desc.counts.properties += 3;
  desc.ownFieldBytes = 12;
  desc.slotCount = super.vtable.size();
  desc.properties = {int32Field("Kaisu", 0), int32Field("Key", 4), int32Field("Tokuten", 8)};
  desc.boundEvents = {{ui::event::kWindowOpen, rt::makeSlot("Window1.Event_Open", "%%", &game::Event_Open)}};
  return rt::buildClass(cache, desc);
}

const rt::ClassRecord& FudaButtonTestClass() {
  static const rt::ClassRecord* cache = nullptr;
  if (cache) return *cache;
  const rt::ClassRecord& super = ui::BevelButtonClass();
  rt::ClassSpec desc;
  desc.name = "Window1.FudaButton";
  desc.superLookup = bevelButtonSuper;
  desc.counts = inheritedCounts(super);
  desc.slotCount = super.vtable.size();
  return rt::buildClass(cache, desc);
}

GameWindow::GameWindow(GameWindowOptions options) : options_(std::move(options)) {
  // The bevel button's setters go through the plug-in entry table.
  if (rt::pluginEntrypointCount() == 0) {
    rt::RuntimeAllocatePluginEntrypointsTable(70);
    ui::RuntimeInitPluginEntrypoints();
  }
  FudaButtonTestClass();

  const rt::Ref<rt::Object> obj = rt::RuntimeNewObject(Window1TestClass());
  window_ = rt::checkCast<ui::Window>(obj.get(), ui::WindowClass());

  const std::int32_t none = ui::kNoIndex;
  if (auto c = make("OdaiAREA", ui::TextAreaClass(), none)) {
    rt::checkCast<ui::TextArea>(c.get(), ui::TextAreaClass())->setText("");
  }
  make("Label1", ui::LabelClass(), none);
  for (std::int32_t i = 0; i <= 4; ++i) make("MiniLabel", ui::LabelClass(), i);
  make("Oval1", ui::OvalClass(), none);
  // Element 1 of the cross is made before element 0, as in the real window.
  make("Xline", ui::LineClass(), 1);
  make("Xline", ui::LineClass(), 0);
  make("Timer1", ui::TimerClass(), none);
  if (auto c = make("StartButton", ui::BevelButtonClass(), none)) {
    rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("スタート");
    wire(*c, ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
         rt::makeSlot("Window1.StartButton_Action", "%%o<BevelButton>", &game::StartButton_Action));
  }
  for (std::int32_t i = 0; i <= 4; ++i) {
    if (auto c = make("FudaButton", FudaButtonTestClass(), i)) {
      rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("");
      wire(*c, ui::event::kBevelButtonAction, rt::AddHandlerStub<ui::event::kBevelButtonAction>,
           rt::makeSlot("Window1.FudaButton_Action", "%%o<BevelButton>", &game::FudaButton_Action));
    }
  }
  make("Label2", ui::LabelClass(), none);
  if (auto c = make("TokutenButton", ui::BevelButtonClass(), none)) {
    rt::checkCast<ui::BevelButton>(c.get(), ui::BevelButtonClass())->setCaption("0");
    wire(*c, ui::event::kControlOpen, rt::AddHandlerStub<ui::event::kControlOpen>,
         rt::makeSlot("Window1.TokutenButton_Open", "%%o<BevelButton>", &game::TokutenButton_Open));
  }

  if (options_.open) open();
}

GameWindow::~GameWindow() { destroy(); }

void GameWindow::open() {
  rt::dispatchEvent([this] { window_->construct(); });
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
  c->setIndex(index);
  c->construct();
  window_->addControl(name, c.get());
  // The window is built with every control showing, the marks included.
  if (auto rect = rt::checkCast<ui::RectControl>(c.get(), ui::RectControlClass())) rect->setVisible(true);
  return c;
}

void GameWindow::wire(ui::Control& control, std::size_t event, void (*stub)(rt::Object&),
                      const rt::MethodSlot& handler) {
  // The delegate holds the window weakly: a button must not keep it alive.
  const rt::Ref<rt::Delegate> d =
      rt::RuntimeCreateDelegate(rt::DelegateInvokeOneObject(), handler, window_.get(), "( BevelButton )", 1);
  rt::RuntimeAddEventHandler(control, event, stub, *d);
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
