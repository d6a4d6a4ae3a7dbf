#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/qt/qt_platform.h"

namespace {

// Sets or clears an environment variable for one test and puts it back.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvVar() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  EnvVar(const EnvVar&) = delete;
  EnvVar& operator=(const EnvVar&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DisplayCheck, WithoutADisplayOrAChosenPlatformTheProgramSaysWhyItCannotStart) {
  EnvVar platform("QT_QPA_PLATFORM", nullptr);
  EnvVar display("DISPLAY", nullptr);
  EnvVar wayland("WAYLAND_DISPLAY", nullptr);
  char prog[] = "pokorindo";
  char* argv[] = {prog, nullptr};
  std::string why;
  EXPECT_FALSE(qtplatform::canShowWindows(1, argv, why));
  EXPECT_NE(why.find("DISPLAY"), std::string::npos) << why;
}

TEST(DisplayCheck, ADisplayOrAnExplicitPlatformIsEnough) {
  EnvVar platform("QT_QPA_PLATFORM", nullptr);
  EnvVar wayland("WAYLAND_DISPLAY", nullptr);
  char prog[] = "pokorindo";
  char flag[] = "-platform";
  char name[] = "offscreen";
  char* plain[] = {prog, nullptr};
  char* chosen[] = {prog, flag, name, nullptr};
  std::string why;
  {
    EnvVar display("DISPLAY", ":0");
    EXPECT_TRUE(qtplatform::canShowWindows(1, plain, why));
  }
  {
    EnvVar display("DISPLAY", "");
    EXPECT_FALSE(qtplatform::canShowWindows(1, plain, why));
    EXPECT_TRUE(qtplatform::canShowWindows(3, chosen, why));
    EnvVar offscreen("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(qtplatform::canShowWindows(1, plain, why));
  }
}

}  // namespace
