#include "platform/qt/event_loop.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace qtview {

void QtEventLoop::run() {
  running_ = true;
  QCoreApplication::exec();
  running_ = false;
}

void QtEventLoop::quit() {
  // exit() ends every loop running on the thread, a menu's or a dialog's too.
  if (running_) QCoreApplication::exit(0);
}

void QtEventLoop::post(std::function<void()> event) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [e = std::move(event)] { rt::dispatchEvent(e); }, Qt::QueuedConnection);
}

}  // namespace qtview
