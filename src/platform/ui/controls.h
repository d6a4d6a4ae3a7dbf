// The framework's controls as plain models. Typed accessors read and write
// the same stored values that the property tables (and so the property-block
// reader) reach by name.
#pragma once

#include <cstdint>

#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/ui/model.h"

namespace ui {

class Window;

// Event numbers count on through the class chain.
namespace event {
inline constexpr std::size_t kControlCreatePane = 0;
inline constexpr std::size_t kControlOpen = 1;
inline constexpr std::size_t kControlClose = 2;
inline constexpr std::size_t kBevelButtonAction = 17;
inline constexpr std::size_t kTimerAction = 0;
inline constexpr std::size_t kMenuItemAction = 0;
inline constexpr std::size_t kWindowLayout = 0;
inline constexpr std::size_t kWindowCreateControls = 1;
inline constexpr std::size_t kWindowOpen = 4;
}  // namespace event

// Index of a control that is not an element of a control array.
inline constexpr std::int32_t kNoIndex = -2147483647 - 1;

class Control : public Model {
 public:
  explicit Control(const rt::ClassRecord& cls);

  std::int32_t index() const;
  void setIndex(std::int32_t i);
  rt::String name() const;  // the name it is registered under, "" before
  // The window that made or holds the control; nil when there is none.
  rt::Ref<Window> window() const;
  void setWindow(Window* w);  // the window keeps the control; this link is weak
  bool constructed() const { return constructed_; }

  // The framework's default construction (RectControl.Constructor).
  virtual void construct();

 private:
  friend class Window;
  rt::WeakRef<Window> window_;
  bool constructed_ = false;
};

class RectControl : public Control {
 public:
  using Control::Control;
  std::int32_t left() const;
  std::int32_t top() const;
  std::int32_t width() const;
  std::int32_t height() const;
  bool visible() const;
  void setVisible(bool v);
  bool enabled() const;
};

class TextArea : public RectControl {
 public:
  using RectControl::RectControl;
  rt::String text() const;
  void setText(const rt::String& t);  // replaces the whole text
  double lineSpacing() const;
  void setLineSpacing(double s);
  std::int32_t textUnit() const;
  void setTextUnit(std::int32_t unit);
  // Typing by the user: the program never reads it back.
  void userTyped(const rt::String& t) { setText(t); }
};

class Label : public RectControl {
 public:
  using RectControl::RectControl;
  rt::String text() const;
  void setText(const rt::String& t);
  std::int32_t textUnit() const;
  void setTextUnit(std::int32_t unit);
};

class Oval : public RectControl {
 public:
  using RectControl::RectControl;
};

class Line : public RectControl {
 public:
  using RectControl::RectControl;
  std::int32_t x1() const;
  std::int32_t y1() const;
  std::int32_t x2() const;
  std::int32_t y2() const;
  std::int32_t borderWidth() const;
};

class BevelButton : public RectControl {
 public:
  using RectControl::RectControl;
  rt::String caption() const;
  void setCaption(const rt::String& c);
  double textSize() const;  // stored from a single-precision float
  void setTextSize(float size);
  std::int32_t textUnit() const;
  void setTextUnit(std::int32_t unit);
  // A click: raises the Action event (17). Exceptions pass to the caller,
  // which is the event dispatch.
  void push();
};

// A timer sits among a window's controls but is no RectControl.
class Timer : public Control {
 public:
  using Control::Control;
  std::int32_t mode() const;
  std::int32_t period() const;
  // One firing: raises the Action event (0) when the timer is enabled and its
  // mode is not 0 (off).
  void fire();
  void reset();
};

}  // namespace ui
