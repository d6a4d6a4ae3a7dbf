// Shared pieces of the application tests: a fresh runtime per test, a way to
// swap one method-table slot for the length of a scope, and what a call
// raised.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "app/menu_bar1.h"
#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/framework.h"

namespace apptest {

// A fresh runtime with the framework's records built; the menu bar's
// implicit instance and the framework's references are let go afterwards.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::RuntimeInit();
    ui::RuntimeInitExternalClasses();
  }
  void TearDown() override {
    app::MenuBar1ImplicitInstanceExit();
    ui::releaseFrameworkReferences();
    rt::setFrameworkInitializer(nullptr);
  }
};

// Records are fixed once built. A test that needs one step to fail swaps the
// slot that step is called through, and puts the original back at the end of
// the scope. (Records live in the runtime's own store, which is not const.)
class SlotPatch {
 public:
  SlotPatch(const rt::ClassRecord& cls, std::size_t slot, rt::MethodSlot replacement)
      : record_(const_cast<rt::ClassRecord&>(cls)), slot_(slot), original_(record_.vtable.at(slot)) {
    record_.vtable[slot_] = std::move(replacement);
  }
  ~SlotPatch() { record_.vtable[slot_] = original_; }
  SlotPatch(const SlotPatch&) = delete;
  SlotPatch& operator=(const SlotPatch&) = delete;

  const rt::MethodSlot& original() const { return original_; }

 private:
  rt::ClassRecord& record_;
  std::size_t slot_;
  rt::MethodSlot original_;
};

// The class name of the framework exception a call raised, or "" when it
// raised none.
inline std::string raisedClass(const std::function<void()>& call) {
  try {
    call();
  } catch (const rt::Raised& r) {
    return r.exception() ? r.exception()->classRecord().name.str() : "nil";
  }
  return "";
}

}  // namespace apptest
