// The runtime's run loop on Qt's: run() is the application's exec() until
// quit(). A run() from inside an event runs a nested loop, and quit() ends
// every run in progress, as with the headless loop. post() queues an event
// for the GUI thread; queued events are delivered one at a time through the
// runtime's event dispatch, in the order posted, between Qt's own events
// (input, painting, timers).
#pragma once

#include <functional>
#include <memory>

#include "platform/runtime/lifecycle.h"

namespace qtview {

class QtEventLoop final : public rt::EventLoop {
 public:
  QtEventLoop();
  void run() override;
  // Ends the running loop: no queued event is delivered after it, and the
  // ones left wait for the next run(). Outside run() there is nothing to
  // end, and, as with the headless loop, the next run() starts afresh.
  void quit() override;
  void post(std::function<void()> event) override;
  bool running() const;

 private:
  struct Queue;
  // Shared with the deliveries Qt holds, which may outlive the loop.
  std::shared_ptr<Queue> queue_;
};

}  // namespace qtview
