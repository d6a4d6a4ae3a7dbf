// The framework's controls as plain models. Typed accessors read and write
// the same stored values that the property tables (and so the property-block
// reader) reach by name. The members named after method-table slots are what
// the class records put in those slots.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/runtime/string.h"
#include "platform/ui/menu_handlers.h"
#include "platform/ui/model.h"

namespace ui {

class Window;

// Event numbers count on through the class chain.
namespace event {
inline constexpr std::size_t kControlCreatePane = 0;
inline constexpr std::size_t kControlOpen = 1;
inline constexpr std::size_t kControlClose = 2;
// RectControl's own, 3 to 14.
inline constexpr std::size_t kRectMouseEnter = 3;
inline constexpr std::size_t kRectMouseExit = 4;
inline constexpr std::size_t kRectMouseMove = 5;
inline constexpr std::size_t kRectMouseWheel = 6;
inline constexpr std::size_t kRectMouseDrag = 7;
inline constexpr std::size_t kRectKeyDown = 8;
inline constexpr std::size_t kRectKeyUp = 9;
inline constexpr std::size_t kRectDropObject = 10;
inline constexpr std::size_t kRectDragEnter = 11;
inline constexpr std::size_t kRectDragExit = 12;
inline constexpr std::size_t kRectDragOver = 13;
inline constexpr std::size_t kRectConstructContextualMenu = 14;
// Label, Line, Oval and TextArea start their own with these two.
inline constexpr std::size_t kShapeMouseDown = 15;
inline constexpr std::size_t kShapeMouseUp = 16;
inline constexpr std::size_t kTextAreaTextChange = 17;
// BevelButton's own, 15 to 19.
inline constexpr std::size_t kBevelButtonMouseUp = 15;
inline constexpr std::size_t kBevelButtonMouseDown = 16;
inline constexpr std::size_t kBevelButtonAction = 17;
inline constexpr std::size_t kBevelButtonGotFocus = 18;
inline constexpr std::size_t kBevelButtonLostFocus = 19;
inline constexpr std::size_t kTimerAction = 0;
inline constexpr std::size_t kMenuItemAction = 0;
inline constexpr std::size_t kMenuItemEnableMenu = 1;
inline constexpr std::size_t kWindowLayout = 0;
inline constexpr std::size_t kWindowCreateControls = 1;
inline constexpr std::size_t kWindowOpen = 4;
inline constexpr std::size_t kWindowClose = 5;
inline constexpr std::size_t kWindowCancelClose = 6;
}  // namespace event

// Index of a control that is not an element of a control array.
inline constexpr std::int32_t kNoIndex = -2147483647 - 1;

// The classes a class needs built before it: its superclass and interfaces.
using DependencyList = std::vector<const rt::ClassRecord*>;

// Objects told about a control's Action through the actionNotificationReceiver
// interface. Receivers are held weakly: a receiver that goes away is skipped.
class ActionReceivers {
 public:
  // Raises for nil or for an object whose class lacks the interface.
  void add(rt::Object* receiver, const char* member);
  void remove(rt::Object* receiver);
  std::size_t count() const;
  // Calls PerformAction(sender) on every receiver still alive, in order.
  void notify(rt::Object& sender) const;

 private:
  std::vector<rt::WeakRef<rt::Object>> receivers_;
};

class Control : public Model {
 public:
  explicit Control(const rt::ClassRecord& cls);

  // Index through the record's "Index" property, so a program class that
  // keeps its index in a field of its own works too. A class without one
  // (the plain Timer) keeps it here, kNoIndex until set.
  std::int32_t index() const;
  void setIndex(std::int32_t i);
  rt::String name() const { return name_; }  // the name it is registered under, "" before
  // The window that made or holds the control; nil when there is none.
  rt::Ref<Window> window() const;
  void setWindow(Window* w);  // the window keeps the control; this link is weak
  bool constructed() const { return constructed_; }

  // The framework's default construction (RectControl.Constructor).
  virtual void construct();

  // Slots 0 to 2.
  // Control.Close: raises Close and takes the control out of its window.
  void close();
  // Control._SetWindow: a Window or nil; another object raises.
  void setWindowSlot(rt::Object* w);
  // Control._CallOpenEvent: raises Open (1).
  void callOpenEvent();

 private:
  friend class Window;
  rt::WeakRef<Window> window_;
  rt::String name_;
  std::int32_t ownIndex_ = kNoIndex;
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
  void setEnabled(bool e);
  bool hasFocus() const;
  // The drop types the control accepts, one per line ("text", "picture",
  // "file:<type>", "mac:<type>", "raw:<type>").
  rt::String acceptedDropTypes() const;
  // Whether the native pane exists (CreatePane has run).
  bool paneCreated() const { return paneCreated_; }

  // Default construction, then the CreatePane event.
  void construct() override;

  // Slots 3 to 24.
  void drawInto(rt::Object* graphics, std::int32_t x, std::int32_t y);
  void refresh(bool eraseBackground);
  void refreshRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, bool eraseBackground);
  void setFocus();
  void acceptTextDrop();
  void acceptPictureDrop();
  void acceptFileDrop(const rt::String& type);
  void acceptMacDataDrop(const rt::String& type);
  void acceptRawDataDrop(const rt::String& type);
  void addMenuHandler(const rt::String& name, const rt::MethodSlot* handler);
  void constructSlot() { construct(); }
  void move(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h);
  void mouseEnter();
  void mouseExit();
  void mouseMove(std::int32_t x, std::int32_t y);
  // Raises MouseWheel; the runtime's event handlers return nothing, so the
  // wheel is never reported as handled.
  bool mouseWheel(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
  void invalidate(bool eraseBackground);
  void invalidateRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, bool eraseBackground);
  bool keyDown(const rt::String& key);
  rt::Ref<rt::Object> trueWindow();
  // Event_CreatePane of the subclasses: the pane of a headless control is
  // its model, so creating it only records that it exists.
  void eventCreatePane() { paneCreated_ = true; }

  // Shared by the classes whose own events begin with MouseDown, MouseUp.
  bool mouseDown(std::int32_t x, std::int32_t y);
  void mouseDrag(std::int32_t x, std::int32_t y);
  void mouseUp(std::int32_t x, std::int32_t y);

 private:
  void addDropType(const rt::String& type);
  void setMouse(std::int32_t x, std::int32_t y);
  bool paneCreated_ = false;
  MenuHandlers menuHandlers_;
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
  // Typing by the user: the program never reads it back. Raises TextChange
  // when the text changed.
  void userTyped(const rt::String& t);
  // Slots 26, 27.
  void appendText(const rt::String& t);
  void selectAll();
};

class Label : public RectControl {
 public:
  using RectControl::RectControl;
  rt::String text() const;
  void setText(const rt::String& t);
  std::int32_t textUnit() const;
  void setTextUnit(std::int32_t unit);
  // Slot 26.
  void setString(const rt::String& t) { setText(t); }
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
  bool value() const;
  // A click: a disabled button ignores it; a toggle button (ButtonType 1)
  // flips its Value and a sticky one (2) sets it; then the Action event (17)
  // and the action receivers. Exceptions pass to the caller, which is the
  // event dispatch.
  void push();

  // The rows of its pop-up menu (HasMenu), slots 26 to 31 and 34. A row
  // number outside 0..count-1 raises a RuntimeException.
  std::size_t rowCount() const { return rows_.size(); }
  void deleteAllRows();
  void addRow(const rt::String& row);
  void addSeparator();  // a row "-"
  void removeRow(std::int32_t row);
  void insertRow(std::int32_t row, const rt::String& text);  // row == count appends
  rt::String list(std::int32_t row);
  void setList(std::int32_t row, const rt::String& text);
  // Slots 32, 33.
  void addActionNotificationReceiver(rt::Object* receiver);
  void removeActionNotificationReceiver(rt::Object* receiver);
  const ActionReceivers& actionReceivers() const { return receivers_; }

 private:
  std::size_t checkedRow(std::int32_t row, std::size_t limit) const;
  std::vector<rt::String> rows_;
  ActionReceivers receivers_;
};

// A timer sits among a window's controls but is no RectControl; its record
// has no Control superclass (see classes.cpp).
class Timer : public Control {
 public:
  using Control::Control;
  std::int32_t mode() const;  // 0 off, 1 single, 2 multiple
  std::int32_t period() const;
  bool enabled() const;
  // One firing: raises the Action event (0) when the timer is enabled and its
  // mode is not 0 (off). A single-mode timer turns itself off after it.
  void fire();
  // Starts the current period afresh.
  void reset();
  // Lets `ms` milliseconds pass: fires once for every full period reached.
  void elapse(std::int32_t ms);
  std::int64_t elapsedInPeriod() const { return elapsed_; }

  // Slots 1 to 3 (slot 0 is reset()).
  void addActionNotificationReceiver(rt::Object* receiver);
  void removeActionNotificationReceiver(rt::Object* receiver);
  // Timer._CallAction: the Action event, when a handler is set, then the
  // action receivers.
  void callAction();
  const ActionReceivers& actionReceivers() const { return receivers_; }

 private:
  std::int64_t elapsed_ = 0;
  ActionReceivers receivers_;
};

}  // namespace ui
