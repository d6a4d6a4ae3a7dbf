// Process entry: runs the program and exits with the runtime's status.
#include "app/startup.h"

int main() {
  // A windowing layer is installed here, before the program runs; without
  // one the runtime's headless loop delivers what is queued and returns.
  return app::runProgram();
}
