// Draws a sample model window (Japanese captions, a multi-line text area,
// the circle and the cross over it, the game's menus) offscreen and saves it
// as a PNG, for a person to look at the view: qt_view_snapshot [file.png]
// (default /tmp/qt_view.png).
#include <QApplication>
#include <QMainWindow>
#include <QTest>

#include <cstdio>

#include "platform/qt/qt_platform.h"
#include "platform/qt/views.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/framework.h"
#include "support.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  rt::RuntimeInit();
  ui::RuntimeInitExternalClasses();
  int status = 0;
  {
    qtplatform::Session qt(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/qt_view.png");
    rt::Ref<ui::Window> w = qttest::demoWindow();
    w->construct();
    QMainWindow* top = qtview::viewOf(*w)->widget();
    top->show();
    if (!QTest::qWaitForWindowExposed(top) || !top->grab().save(path)) {
      std::fprintf(stderr, "could not draw the window into %s\n", qPrintable(path));
      status = 1;
    } else {
      std::printf("%s\n", qPrintable(path));
    }
    ui::releaseFrameworkReferences();
  }
  return status;
}
