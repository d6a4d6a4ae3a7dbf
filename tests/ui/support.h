// Shared pieces of the framework-model tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/exceptions.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/classes.h"
#include "platform/ui/framework.h"
#include "platform/ui/model.h"

namespace uitest {

// A fresh runtime with every framework record built; the framework's
// module-level references are let go after each test.
class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::RuntimeInit();
    ui::RuntimeInitExternalClasses();
  }
  void TearDown() override { ui::releaseFrameworkReferences(); }
};

// A new object of the record, as the model class it must be.
template <class T>
rt::Ref<T> make(const rt::ClassRecord& cls) {
  return rt::newObjectAs<T>(cls);
}

// What a call raised: the exception's class name and message, or "" when it
// raised nothing.
struct RaisedInfo {
  std::string className;
  std::string message;
};
inline RaisedInfo raised(const std::function<void()>& call) {
  try {
    call();
  } catch (const rt::Raised& r) {
    auto* re = dynamic_cast<rt::RuntimeException*>(r.exception().get());
    return {r.exception()->classRecord().name.str(), re ? re->message().str() : ""};
  }
  return {};
}

// Records every notification a model sends.
class RecordingObserver : public ui::ModelObserver {
 public:
  void propertyChanged(ui::Model&, const rt::PropertyEntry& p) override { changed.push_back(p.name.str()); }
  void childrenChanged(ui::Model&) override { ++childChanges; }
  void refreshRequested(ui::Model&) override { ++refreshes; }
  std::vector<std::string> changed;
  int childChanges = 0;
  int refreshes = 0;
};

}  // namespace uitest
