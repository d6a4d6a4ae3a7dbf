#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>

#include "platform/qt/event_loop.h"
#include "platform/qt/views.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/window.h"

namespace qtplatform {

struct SessionState {
  std::unique_ptr<QApplication> ownApp;
  std::map<const ui::Window*, std::unique_ptr<qtview::WindowView>> views;
};

namespace {

SessionState* current = nullptr;

// The runtime's loop becomes Qt's, unless it is already.
void installLoop() {
  if (dynamic_cast<qtview::QtEventLoop*>(&rt::eventLoop())) return;
  rt::setEventLoop(std::make_unique<qtview::QtEventLoop>());
}

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

}  // namespace

bool canShowWindows(int argc, char** argv, std::string& why) {
  if (envSet("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0) return true;
  }
  if (envSet("DISPLAY") || envSet("WAYLAND_DISPLAY")) return true;
  why = "no display to open the window on: DISPLAY is not set (start it from a desktop session, or on a "
        "virtual display with xvfb-run)";
  return false;
}

Session::Session(int& argc, char** argv) : state_(std::make_unique<SessionState>()) {
  if (current) throw std::logic_error("a Qt session is running already");
  if (!QCoreApplication::instance()) state_->ownApp = std::make_unique<QApplication>(argc, argv);
  // The run loop ends when the program quits (the quit item, or closing
  // the last window through its view), not whenever Qt sees no window.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  current = state_.get();
  installLoop();
  // RuntimeInit puts a headless loop in place: the framework's own
  // initialisation, which comes after it, installs Qt's again.
  rt::setFrameworkInitializer(installLoop);
  ui::setWindowOpenedHook([](ui::Window& w) {
    auto view = std::make_unique<qtview::WindowView>(w);
    current->views[&w] = std::move(view);
  });
  ui::setWindowClosedHook([](ui::Window& w) {
    // Taken out of the list before it ends.
    auto it = current->views.find(&w);
    if (it == current->views.end()) return;
    std::unique_ptr<qtview::WindowView> view = std::move(it->second);
    current->views.erase(it);
  });
}

Session::~Session() {
  ui::setWindowOpenedHook(nullptr);
  ui::setWindowClosedHook(nullptr);
  rt::setFrameworkInitializer(nullptr);
  state_->views.clear();
  current = nullptr;
  // RuntimeExit puts a headless loop in place itself; otherwise no Qt loop
  // may outlive the application it runs on.
  if (dynamic_cast<qtview::QtEventLoop*>(&rt::eventLoop())) {
    rt::setEventLoop(std::make_unique<rt::HeadlessEventLoop>());
  }
  // The widgets of ended views are deleted later: that is now.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  state_->ownApp.reset();
}

}  // namespace qtplatform

namespace qtview {

WindowView* viewOf(const ui::Window& window) {
  if (!qtplatform::current) return nullptr;
  auto it = qtplatform::current->views.find(&window);
  return it == qtplatform::current->views.end() ? nullptr : it->second.get();
}

}  // namespace qtview
