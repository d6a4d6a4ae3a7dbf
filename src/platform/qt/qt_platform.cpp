#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

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

// The platform asked for on the command line (-platform, or --platform as
// Qt also takes it) or in QT_QPA_PLATFORM; empty when Qt is left to choose.
std::string chosenPlatform(int argc, char** argv) {
  std::string name;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) name = argv[i + 1];
  }
  if (name.empty() && envSet("QT_QPA_PLATFORM")) name = std::getenv("QT_QPA_PLATFORM");
  return name;
}

std::string displayVariable(const char* name) {
  return envSet(name) ? std::string(name) + "=" + std::getenv(name) : std::string(name) + " is not set";
}

// Why the window could not be opened once Qt has given up on its platform:
// the platform that failed, and the display it was to reach.
std::string platformFailure(int argc, char** argv) {
  const std::string platform = chosenPlatform(argc, argv);
  if (platform.empty()) {
    std::string where;
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY"}) {
      if (!envSet(var)) continue;
      if (!where.empty()) where += " or ";
      where += displayVariable(var);
    }
    return "no display answered at " + where;
  }
  std::string why = "the display platform \"" + platform + "\" could not be started";
  if (platform.find("wayland") != std::string::npos) return why + " (" + displayVariable("WAYLAND_DISPLAY") + ")";
  if (platform.find("xcb") != std::string::npos) return why + " (" + displayVariable("DISPLAY") + ")";
  return why;
}

// While the QApplication is made, a fatal message from Qt means that no
// platform could be started, and Qt would abort the process after it. The
// program ends instead as it does without a display: Qt's lines, then one of
// its own, status 1.
QtMessageHandler gPreviousHandler = nullptr;
std::string gStartFailureLine;

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  gPreviousHandler(type, context, message);
  if (type != QtFatalMsg) return;
  std::fputs(gStartFailureLine.c_str(), stderr);
  std::fflush(nullptr);
  // Nothing of Qt's half-made application may run again: no destructors,
  // no exit handlers.
  std::_Exit(1);
}

// Makes the QApplication; when its platform cannot be started, ends the
// process with status 1 and a line naming what failed.
std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
  const char* program = argc > 0 && argv[0] && *argv[0] ? argv[0] : "program";
  if (const char* slash = std::strrchr(program, '/'); slash && slash[1]) program = slash + 1;
  gStartFailureLine = std::string(program) + ": cannot open the window: " + platformFailure(argc, argv) + "\n";
  gPreviousHandler = qInstallMessageHandler(startupMessageHandler);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(gPreviousHandler);
  return app;
}

}  // namespace

bool canShowWindows(int argc, char** argv, std::string& why) {
  if (!chosenPlatform(argc, argv).empty()) return true;
  if (envSet("DISPLAY") || envSet("WAYLAND_DISPLAY")) return true;
  why = "no display to open the window on: DISPLAY is not set (start it from a desktop session, or on a "
        "virtual display with xvfb-run)";
  return false;
}

Session::Session(int& argc, char** argv) : state_(std::make_unique<SessionState>()) {
  if (current) throw std::logic_error("a Qt session is running already");
  if (!QCoreApplication::instance()) state_->ownApp = makeApplication(argc, argv);
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
