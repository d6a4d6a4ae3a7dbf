// Process entry: runs the program in a Qt window and exits with the
// runtime's status.
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  std::string why;
  if (!qtplatform::canShowWindows(argc, argv, why)) {
    std::fprintf(stderr, "pokorindo: %s\n", why.c_str());
    return 1;
  }
  qtplatform::Session qt(argc, argv);  // Qt's run loop, and a view for every window that opens
  return app::runProgram();            // the session ends after this and takes Qt down
}
