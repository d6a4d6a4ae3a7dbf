// The Qt front end of the framework, for `main`. This header includes no Qt.
//
//   int main(int argc, char** argv) {
//     qtplatform::Session qt(argc, argv);
//     return app::runProgram();  // the session ends after it, taking Qt down
//   }
#pragma once

#include <memory>
#include <string>

namespace qtplatform {

// Whether windows can be shown: a platform was chosen explicitly
// (QT_QPA_PLATFORM or -platform), or a display is there to connect to
// (DISPLAY or WAYLAND_DISPLAY). When not, `why` says so in a sentence, so
// the program can stop with a clear message instead of Qt's abort.
bool canShowWindows(int argc, char** argv, std::string& why);

struct SessionState;

// While a Session exists, the runtime's run loop is Qt's (RuntimeRun runs
// until RuntimeQuit) and every window model that opens is drawn as a Qt
// window, until it closes.
class Session {
 public:
  // Makes the QApplication from the command line (Qt takes its own options,
  // such as -platform, out of it; argc must outlive the session) unless one
  // exists already, and installs the window hooks and the Qt run loop: now,
  // and again in the framework's initialisation (RunFrameworkInitialization),
  // since rt::RuntimeInit() puts a headless loop in place. Make it before
  // any window opens. One session at a time.
  Session(int& argc, char** argv);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Ends the views of windows still open, removes the hooks, puts a headless
  // loop back if the Qt loop is still installed, and destroys the
  // QApplication if the session made it.
  ~Session();

 private:
  std::unique_ptr<SessionState> state_;
};

}  // namespace qtplatform
