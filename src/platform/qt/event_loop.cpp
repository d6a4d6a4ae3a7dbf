#include "platform/qt/event_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

#include <deque>
#include <utility>

namespace qtview {

struct QtEventLoop::Queue : std::enable_shared_from_this<Queue> {
  std::deque<std::function<void()>> events;
  bool scheduled = false;  // a delivery waits in Qt's queue
  int depth = 0;           // runs in progress, the outermost first
  bool quitting = false;

  // Asks Qt for one delivery, unless one is on its way or the loop ends.
  void schedule() {
    if (scheduled || quitting || events.empty()) return;
    scheduled = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [self = shared_from_this()] { self->deliverOne(); }, Qt::QueuedConnection);
  }

  void deliverOne() {
    scheduled = false;
    if (quitting || events.empty()) return;
    std::function<void()> event = std::move(events.front());
    events.pop_front();
    rt::dispatchEvent(event);
    schedule();
  }
};

QtEventLoop::QtEventLoop() : queue_(std::make_shared<Queue>()) {}

bool QtEventLoop::running() const { return queue_->depth > 0; }

void QtEventLoop::run() {
  std::shared_ptr<Queue> q = queue_;
  q->quitting = false;
  ++q->depth;
  q->schedule();
  if (QThread::currentThread()->loopLevel() == 0) {
    QCoreApplication::exec();
  } else {
    // A run from inside an event: Qt refuses a second exec(), so this one
    // runs a loop of its own until the quit, which ends the outer loops too.
    QEventLoop nested;
    nested.exec();
  }
  --q->depth;
}

void QtEventLoop::quit() {
  if (queue_->depth == 0) return;
  queue_->quitting = true;
  // exit() ends every loop running on the thread, a menu's or a dialog's too.
  QCoreApplication::exit(0);
}

void QtEventLoop::post(std::function<void()> event) {
  queue_->events.push_back(std::move(event));
  queue_->schedule();
}

}  // namespace qtview
