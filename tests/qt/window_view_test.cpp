// The window's view: its geometry, title, background and buttons come from
// the model; its controls stand where their models say; the title-bar close
// button closes the model; nothing outlives the model.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QWindow>

#include "platform/qt/bevel_button_view.h"
#include "platform/qt/label_view.h"
#include "platform/qt/text_area_view.h"
#include "support.h"

namespace qttest {
namespace {

rt::Value I(std::int32_t v) { return v; }

using WindowView = ViewTest;

TEST_F(WindowView, TheContentAreaIsExactlyTheWindowsSizeBelowItsMenuBar) {
  rt::Ref<ui::Window> w = newWindow(675, 506,
                                    {{"Title", rt::String("ポコリンド")},
                                     {"MinWidth", I(64)},
                                     {"MinHeight", I(64)},
                                     {"Resizeable", true},
                                     {"MaximizeButton", false},
                                     {"MinimizeButton", true}});
  w->setMenuBar(gameMenuBar().get());
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  showAndWait(view);
  QMainWindow* top = view.widget();
  EXPECT_EQ(view.content()->size(), QSize(675, 506));
  const int barBottom = top->menuBar()->geometry().bottom();
  EXPECT_GT(barBottom, 0);
  EXPECT_EQ(view.content()->geometry().top(), barBottom + 1);
  EXPECT_EQ(top->windowTitle(), QString::fromUtf8("ポコリンド"));
  EXPECT_EQ(top->minimumSize(), QSize(64, 64 + barBottom + 1));
  EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));

  // A new size from the program reaches the window at once.
  w->setProperty("Height", I(300));
  EXPECT_EQ(top->height(), 300 + barBottom + 1);
}

TEST_F(WindowView, ASizeTheUserGivesTheWindowBecomesTheModelsSize) {
  rt::Ref<ui::Window> w = newWindow(400, 300, {{"Resizeable", true}});
  w->setMenuBar(gameMenuBar().get());
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  showAndWait(view);
  const int bar = view.content()->geometry().top();
  EventRecorder recorder(*w);
  recorder.attach<17>(*w);  // the window's Resized
  // The window system resizes the window, as the user's drag does.
  view.widget()->windowHandle()->resize(500, 350 + bar);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->width() == 500; }, 2000));
  EXPECT_EQ(w->height(), 350);
  EXPECT_EQ(view.content()->size(), QSize(500, 350));
  EXPECT_EQ(EventRecorder::senders(), std::vector<rt::Object*>{w.get()});

  // A size the program sets is no resize by the user.
  w->setProperty("Width", I(450));
  QTest::qWait(20);
  EXPECT_EQ(view.content()->width(), 450);
  EXPECT_EQ(w->width(), 450);
  EXPECT_EQ(EventRecorder::senders().size(), 1u);
}

TEST_F(WindowView, AWindowThatCannotBeResizedKeepsItsSize) {
  rt::Ref<ui::Window> w = newWindow(300, 200, {{"Resizeable", false}});
  w->construct();
  QMainWindow* top = viewOf(*w).widget();
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
}

TEST_F(WindowView, TheBackgroundIsTheWindowsBackColorOnlyWhenItHasOne) {
  rt::Ref<ui::Window> w = newWindow(120, 80, {{"BackColor", rt::Color{0xFF, 0x2E, 0x3C}}});
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  showAndWait(view);
  const QColor plain = view.content()->grab().toImage().pixelColor(60, 40);
  EXPECT_NE(plain, QColor(0xFF, 0x2E, 0x3C));
  w->setProperty("HasBackColor", true);
  EXPECT_EQ(view.content()->grab().toImage().pixelColor(60, 40), QColor(0xFF, 0x2E, 0x3C));
  w->setProperty("BackColor", rt::Color{0, 0x80, 0});
  EXPECT_EQ(view.content()->grab().toImage().pixelColor(60, 40), QColor(0, 0x80, 0));
}

// Each kind of control gets its widget at the model's rectangle.
TEST_F(WindowView, EachControlStandsAtItsModelsRectangle) {
  rt::Ref<ui::Window> w = newWindow(675, 506);
  struct Row {
    const rt::ClassRecord& cls;
    const char* name;
    QRect rect;
    const char* widgetClass;
  };
  const Row rows[] = {
      {ui::TextAreaClass(), "OdaiAREA", QRect(95, 23, 519, 84), "QTextEdit"},
      {ui::LabelClass(), "Label1", QRect(22, 48, 61, 59), "QLabel"},
      {ui::OvalClass(), "Oval1", QRect(522, 193, 100, 100), "QWidget"},
      {ui::BevelButtonClass(), "StartButton", QRect(109, 119, 149, 23), "QPushButton"},
      {ui::BevelButtonClass(), "TokutenButton", QRect(397, 119, 130, 41), "QPushButton"},
  };
  for (const Row& r : rows) {
    addControl<ui::RectControl>(*w, r.cls, r.name,
                                {{"Left", I(r.rect.x())},
                                 {"Top", I(r.rect.y())},
                                 {"Width", I(r.rect.width())},
                                 {"Height", I(r.rect.height())}});
  }
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    qtview::ControlView* cv = view.viewOf(*w->controlByName(r.name));
    ASSERT_NE(cv, nullptr);
    ASSERT_NE(cv->widget(), nullptr);
    EXPECT_EQ(cv->widget()->parentWidget(), view.content());
    EXPECT_EQ(cv->widget()->geometry(), r.rect);
    EXPECT_STREQ(cv->widget()->metaObject()->className(), r.widgetClass);
  }
  // A move of the model moves the widget.
  dynamic_cast<ui::RectControl&>(*w->controlByName("Label1")).move(1, 2, 30, 40);
  EXPECT_EQ(view.viewOf(*w->controlByName("Label1"))->widget()->geometry(), QRect(1, 2, 30, 40));
}

TEST_F(WindowView, ControlsAddedOrRemovedLaterGetOrLoseTheirViews) {
  rt::Ref<ui::Window> w = newWindow(200, 100);
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  rt::Ref<ui::Label> late = addControl<ui::Label>(*w, ui::LabelClass(), "Late", {{"Text", rt::String("後")}});
  qtview::ControlView* cv = view.viewOf(*late);
  ASSERT_NE(cv, nullptr);
  EXPECT_EQ(static_cast<QLabel*>(cv->widget())->text(), QString::fromUtf8("後"));
  EXPECT_EQ(late->observer(), cv);
  w->removeControl(late.get());
  EXPECT_EQ(view.viewOf(*late), nullptr);
  EXPECT_EQ(late->observer(), nullptr);
}

// The sample window that qt_view_snapshot saves for people to look at.
TEST_F(WindowView, TheSampleWindowShowsItsBackgroundTheCircleAndTheCrossAboveIt) {
  rt::Ref<ui::Window> w = demoWindow();
  w->construct();
  qtview::WindowView& view = viewOf(*w);
  showAndWait(view);
  const QImage shot = view.content()->grab().toImage();
  EXPECT_EQ(shot.pixelColor(10, 230), QColor(0xFF, 0x2E, 0x3C));  // the window's BackColor
  EXPECT_EQ(shot.pixelColor(380, 125), QColor(Qt::white));        // inside the circle
  EXPECT_EQ(shot.pixelColor(380, 156), QColor(Qt::black));        // where the two lines cross
  EXPECT_EQ(shot.pixelColor(200, 40), QColor(Qt::white));         // the text area
}

TEST_F(WindowView, ClosingTheOnlyWindowFromItsTitleBarClosesTheModelAndQuits) {
  rt::Ref<ui::Window> w = newWindow(200, 100);
  w->construct();
  QPointer<QMainWindow> top = viewOf(*w).widget();
  EXPECT_FALSE(rt::quitRequested());
  top->close();
  EXPECT_FALSE(w->isOpen());
  EXPECT_EQ(qtview::viewOf(*w), nullptr);
  EXPECT_TRUE(rt::quitRequested());
  EXPECT_EQ(w->observer(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(top.isNull());
}

TEST_F(WindowView, ClosingOneOfTwoWindowsLeavesTheApplicationRunning) {
  rt::Ref<ui::Window> first = newWindow(200, 100);
  first->construct();
  rt::Ref<ui::Window> second = newWindow(200, 100);
  second->construct();
  viewOf(*first).widget()->close();
  EXPECT_FALSE(first->isOpen());
  EXPECT_TRUE(second->isOpen());
  EXPECT_FALSE(rt::quitRequested());
}

TEST_F(WindowView, AWindowWithControlsAndMenusLeavesNoObjectBehindWhenItCloses) {
  {
    rt::Ref<ui::Window> w = demoWindow();
    w->construct();
    qtview::WindowView& view = viewOf(*w);
    showAndWait(view);
    // Click and type once, so the views' own paths have run.
    auto* start = dynamic_cast<qtview::BevelButtonView*>(view.viewOf(*w->controlByName("StartButton")));
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start->button(), Qt::LeftButton);
    auto* area = dynamic_cast<qtview::TextAreaView*>(view.viewOf(*w->controlByName("OdaiAREA")));
    ASSERT_NE(area, nullptr);
    QTest::keyClicks(area->edit(), "x");
    EXPECT_GT(rt::liveObjectCount(), liveBefore_);
    w->close();
    EXPECT_EQ(qtview::viewOf(*w), nullptr);
  }
  ui::releaseFrameworkReferences();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(rt::liveObjectCount(), liveBefore_);
}

TEST_F(WindowView, EndingTheSessionEndsTheViewsOfWindowsStillOpen) {
  rt::Ref<ui::Window> w = demoWindow();
  w->construct();
  QPointer<QMainWindow> top = viewOf(*w).widget();
  session_.reset();
  EXPECT_TRUE(top.isNull());
  EXPECT_EQ(w->observer(), nullptr);
  EXPECT_EQ(w->controlByName("StartButton")->observer(), nullptr);
  // The runtime is left with a loop that runs without Qt.
  EXPECT_NE(dynamic_cast<rt::HeadlessEventLoop*>(&rt::eventLoop()), nullptr);
}

}  // namespace
}  // namespace qttest
