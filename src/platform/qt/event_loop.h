// The runtime's run loop on Qt's: run() is the application's exec() until
// quit(); post() queues an event for the GUI thread, delivered through the
// runtime's event dispatch in the order posted.
#pragma once

#include <functional>

#include "platform/runtime/lifecycle.h"

namespace qtview {

class QtEventLoop final : public rt::EventLoop {
 public:
  void run() override;
  // Ends the running loop. Outside run() there is nothing to end, and, as
  // with the headless loop, the next run() starts afresh.
  void quit() override;
  void post(std::function<void()> event) override;
  bool running() const { return running_; }

 private:
  bool running_ = false;
};

}  // namespace qtview
