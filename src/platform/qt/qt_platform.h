// The Qt front end of the framework, for `main`. This header includes no Qt.
//
//   int main(int argc, char** argv) {
//     rt::RuntimeInit();
//     qtplatform::Session qt(argc, argv);
//     ...  // classes, start-up and the run loop
//     return rt::RuntimeExit();  // qt ends after this, taking Qt down
//   }
#pragma once

#include <memory>

namespace qtplatform {

struct SessionState;

// While a Session exists, the runtime's run loop is Qt's (RuntimeRun runs
// until RuntimeQuit) and every window model that opens is drawn as a Qt
// window, until it closes.
class Session {
 public:
  // Makes the QApplication from the command line (Qt takes its own options,
  // such as -platform, out of it; argc must outlive the session) unless one
  // exists already, installs the Qt run loop with rt::setEventLoop and the
  // window hooks. Make it after rt::RuntimeInit(), which installs a headless
  // loop, and before any window opens. One session at a time.
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
