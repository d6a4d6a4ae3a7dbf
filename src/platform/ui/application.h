// The application object: its menu bar, its menu handlers and the objects
// it polls. The members named after method-table slots are what its class
// record puts in those slots.
#pragma once

#include <vector>

#include "platform/runtime/class_record.h"
#include "platform/runtime/object.h"
#include "platform/ui/menu_handlers.h"
#include "platform/ui/model.h"

namespace ui {

class MenuBar;

class Application : public Model {
 public:
  using Model::Model;
  rt::Ref<MenuBar> menuBar() const;
  void setMenuBar(MenuBar* bar);

  // --- the method table's members (slots 0 to 15) ------------------------
  void newDocument();                   // raises NewDocument (3)
  void openDocument(rt::Object* item);  // raises OpenDocument (4)
  // Events reach the program only through the run loop, so there is nothing
  // to deliver from inside a handler.
  void doEvents(std::int32_t milliseconds);
  void addMenuHandler(const rt::String& name, const rt::MethodSlot* handler);
  void addPollableObject(rt::Object* obj);
  void removePollableObject(rt::Object* obj);
  void addTrayItem(rt::Object* item);
  void removeTrayItem(rt::Object* item);
  void yieldToNextThread();  // one thread: nothing to yield to
  void sleepCurrentThread(std::int32_t milliseconds);
  void doSingleEvent();
  // Raises EnableMenuItems (2), then enables every AutoEnable item of the
  // menu bar.
  void enableMenuItems();
  void callOpen();  // raises Open (0)
  // Runs the handler added under the command's name; false when none is.
  bool handleMenuCommand(const rt::String& command);
  // A headless framework has no bundle: no picture, no sound.
  rt::Ref<rt::Object> loadPictureFromBundle(const rt::String& name);
  rt::Ref<rt::Object> loadBundleSound(const rt::String& name);

  std::size_t pollableCount() const { return pollables_.size(); }
  std::size_t trayItemCount() const { return trayItems_.size(); }

 private:
  MenuHandlers menuHandlers_;
  std::vector<rt::Ref<rt::Object>> pollables_;
  std::vector<rt::Ref<rt::Object>> trayItems_;
};

}  // namespace ui
