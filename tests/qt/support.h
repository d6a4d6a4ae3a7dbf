// Shared pieces of the view tests: a fresh runtime with a Qt session per
// test, and small model windows built directly from the framework classes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "platform/qt/views.h"
#include "platform/runtime/events.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/framework.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"

namespace qttest {

struct Setting {
  const char* name;
  rt::Value value;
};
using Settings = std::initializer_list<Setting>;

// A new object of the record, as the model class it must be.
template <class T>
rt::Ref<T> make(const rt::ClassRecord& cls) {
  return rt::newObjectAs<T>(cls);
}

inline void setAll(ui::Model& model, Settings settings) {
  for (const Setting& s : settings) model.setProperty(s.name, s.value);
}

// A window of that size, not yet opened.
rt::Ref<ui::Window> newWindow(std::int32_t width, std::int32_t height, Settings more = {});

// A control made, constructed and registered the way the program makes its
// own, then given the settings.
template <class T>
rt::Ref<T> addControl(ui::Window& window, const rt::ClassRecord& cls, const char* name, Settings settings) {
  rt::Ref<ui::Control> c = window.newControl(cls);
  c->construct();
  window.addControl(name, c.get());
  setAll(*c, settings);
  auto* t = dynamic_cast<T*>(c.get());
  if (!t) throw std::logic_error(std::string(name) + " is not of the model class asked for");
  return rt::Ref<T>::retain(t);
}

// One menu item under `parent`, as the program's menu bar builds them. A
// null shortcut sets none.
rt::Ref<ui::MenuItem> addMenuItem(ui::MenuItem& parent, const char* name, const char* text, const char* shortcut,
                                  const rt::ClassRecord& cls = ui::MenuItemClass());

// The game's menu bar: File with the quit item, Edit with its six items and
// two separators.
rt::Ref<ui::MenuBar> gameMenuBar();

// A window that shows one of each kind of control the game uses: a
// multi-line text area, a label, buttons with Japanese captions, an oval
// and two lines crossing over it; with the game's menu bar. Not yet opened.
rt::Ref<ui::Window> demoWindow();

// Records the senders of an event on the objects it is attached to, through
// a delegate that holds its target weakly, as the program's handlers do.
class EventRecorder {
 public:
  explicit EventRecorder(rt::Object& target);
  // Event 17 is a bevel button's Action and a text area's TextChange; 0 a
  // timer's or a menu item's Action.
  template <std::size_t Event>
  void attach(rt::Object& sender) {
    rt::Ref<rt::Delegate> d = makeDelegate();
    rt::RuntimeAddEventHandler(sender, Event, rt::AddHandlerStub<Event>, *d);
  }
  static std::vector<rt::Object*>& senders();

 private:
  rt::Ref<rt::Delegate> makeDelegate();
  rt::Ref<rt::Object> target_;
};

// A fresh runtime and framework records, and a Qt session, for every test;
// the framework's references are let go after it.
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The view of an open window; fails the test when there is none.
  static qtview::WindowView& viewOf(const ui::Window& window);
  // Shows the window's widget and waits until it is drawn.
  static void showAndWait(qtview::WindowView& view);

  std::size_t liveBefore_ = 0;
  std::unique_ptr<qtplatform::Session> session_;
};

}  // namespace qttest
