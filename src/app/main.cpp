// Process entry: runs the program in a Qt window and exits with the
// runtime's status.
#include "app/startup.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
  qtplatform::Session qt(argc, argv);  // Qt's run loop, and a view for every window that opens
  return app::runProgram();            // the session ends after this and takes Qt down
}
