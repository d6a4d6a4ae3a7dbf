// Shared pieces of the window tests: a fresh runtime per test, the real
// Window1 made and opened through its record, controls found by name, clicks
// delivered through the event dispatch, and what a raised exception was.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/fields.h"
#include "platform/runtime/functions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/controls.h"
#include "platform/ui/framework.h"
#include "platform/ui/menu.h"  // window.h holds a Ref<MenuBar> and needs the full class
#include "platform/ui/slots.h"
#include "platform/ui/window.h"
#include "window/window1_class.h"

namespace windowtest {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::RuntimeInit();
    ui::RuntimeInitExternalClasses();
    ui::RuntimeInitPluginEntrypoints();  // the bevel button's setters go through it
  }
  void TearDown() override {
    ui::releaseFrameworkReferences();
    rt::setRandomSource({});
  }
};

// The object as the framework model it must be.
template <class T>
rt::Ref<T> as(const rt::Ref<rt::Object>& obj) {
  auto* t = dynamic_cast<T*>(obj.get());
  if (!t) throw std::logic_error("the object is not the model class asked for");
  return rt::Ref<T>::retain(t);
}

// A new object of the record, no constructor run.
template <class T>
rt::Ref<T> make(const rt::ClassRecord& cls) {
  return as<T>(rt::RuntimeNewObject(cls));
}

// A Window1 made from its record, not yet constructed.
inline rt::Ref<ui::Window> newWindow1() { return make<ui::Window>(window1::Window1Class()); }

// Constructs the window through slot 44: Layout, CreateControls, the Open
// events.
inline void open(ui::Window& w) {
  rt::callSlot<void()>(w, ui::slot::kWindowConstructor, ui::slot::kWindowConstructorSig);
}

inline rt::Ref<ui::Window> openWindow1() {
  rt::Ref<ui::Window> w = newWindow1();
  open(*w);
  return w;
}

// A registered control as its model class, nil when there is none.
template <class T>
rt::Ref<T> control(const ui::Window& w, const char* name) {
  return rt::Ref<T>::retain(dynamic_cast<T*>(w.controlByName(name).get()));
}
template <class T>
rt::Ref<T> control(const ui::Window& w, const char* name, std::int32_t index) {
  return rt::Ref<T>::retain(dynamic_cast<T*>(w.controlByNameIndex(name, index).get()));
}

// A click, delivered as the run loop delivers it.
inline void press(const rt::Ref<ui::BevelButton>& button) {
  rt::dispatchEvent([&button] { button->push(); });
}

// The class name of what the call raised, or "" when it raised nothing.
inline std::string raisedBy(const std::function<void()>& call) {
  try {
    call();
  } catch (const rt::Raised& r) {
    return r.exception()->classRecord().name.str();
  }
  return "";
}

inline std::int32_t int32Of(rt::Object& obj, const char* name) { return rt::int32Property(obj, name); }

}  // namespace windowtest
