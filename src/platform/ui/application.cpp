#include "platform/ui/application.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "platform/runtime/events.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/menu.h"

namespace ui {

namespace {

constexpr std::size_t kOpen = 0;
constexpr std::size_t kEnableMenuItems = 2;
constexpr std::size_t kNewDocument = 3;
constexpr std::size_t kOpenDocument = 4;

void enableAutoItems(MenuItem& item) {
  if (item.autoEnable()) item.setEnabled(true);
  for (const auto& c : item.children()) enableAutoItems(*c);
}

void addUnique(std::vector<rt::Ref<rt::Object>>& list, rt::Object* obj, const char* member) {
  if (!obj) rt::RaiseNilObjectException(rt::String(std::string(member) + " was given nil"));
  if (std::find(list.begin(), list.end(), rt::Ref<rt::Object>::retain(obj)) == list.end()) {
    list.push_back(rt::Ref<rt::Object>::retain(obj));
  }
}

}  // namespace

rt::Ref<MenuBar> Application::menuBar() const {
  const auto& obj = std::get<rt::Ref<rt::Object>>(storedValue(indexOf("MenuBar")));
  return rt::Ref<MenuBar>::retain(dynamic_cast<MenuBar*>(obj.get()));
}

void Application::setMenuBar(MenuBar* bar) { storeValue(indexOf("MenuBar"), rt::Ref<rt::Object>::retain(bar)); }

void Application::newDocument() { rt::raiseEvent(*this, kNewDocument); }
void Application::openDocument(rt::Object* /*item*/) { rt::raiseEvent(*this, kOpenDocument); }
void Application::doEvents(std::int32_t /*milliseconds*/) {}

void Application::addMenuHandler(const rt::String& name, const rt::MethodSlot* handler) {
  menuHandlers_.add(name, handler, "Application._AddMenuHandler");
}

void Application::addPollableObject(rt::Object* obj) { addUnique(pollables_, obj, "Application._AddPollableObject"); }

void Application::removePollableObject(rt::Object* obj) { std::erase(pollables_, rt::Ref<rt::Object>::retain(obj)); }

void Application::addTrayItem(rt::Object* item) { addUnique(trayItems_, item, "Application.AddTrayItem"); }

void Application::removeTrayItem(rt::Object* item) { std::erase(trayItems_, rt::Ref<rt::Object>::retain(item)); }

void Application::yieldToNextThread() {}

void Application::sleepCurrentThread(std::int32_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Events come one at a time from the run loop; there is no single event to
// fetch from here.
void Application::doSingleEvent() {}

void Application::enableMenuItems() {
  rt::Ref<Application> keep = rt::Ref<Application>::retain(this);
  rt::raiseEvent(*this, kEnableMenuItems);
  if (rt::Ref<MenuBar> bar = menuBar()) enableAutoItems(*bar);
}

void Application::callOpen() { rt::raiseEvent(*this, kOpen); }

bool Application::handleMenuCommand(const rt::String& command) { return menuHandlers_.handle(*this, command); }

rt::Ref<rt::Object> Application::loadPictureFromBundle(const rt::String& /*name*/) { return nullptr; }
rt::Ref<rt::Object> Application::loadBundleSound(const rt::String& /*name*/) { return nullptr; }

}  // namespace ui
