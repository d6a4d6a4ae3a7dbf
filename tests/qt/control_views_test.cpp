// The controls' views: a model's change reaches its widget, a click or
// typing goes back to the model through the event dispatch, shapes are
// painted from the model, and a timer fires its model while it runs.
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

#include <functional>

#include "platform/qt/bevel_button_view.h"
#include "platform/qt/label_view.h"
#include "platform/qt/text_area_view.h"
#include "platform/qt/timer_view.h"
#include "platform/runtime/exceptions.h"
#include "support.h"

namespace qttest {
namespace {

rt::Value I(std::int32_t v) { return v; }
rt::Value S(const char* v) { return rt::String(v); }

class ControlViews : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    window_ = newWindow(300, 200);
    window_->construct();
  }
  qtview::WindowView& view() { return viewOf(*window_); }
  QWidget* widgetOf(const ui::Control& c) {
    qtview::ControlView* v = view().viewOf(c);
    if (!v || !v->widget()) throw std::logic_error("the control has no widget");
    return v->widget();
  }
  rt::Ref<ui::BevelButton> button(const char* name, Settings more = {}) {
    rt::Ref<ui::BevelButton> b =
        addControl<ui::BevelButton>(*window_, ui::BevelButtonClass(), name,
                                    {{"Left", I(10)}, {"Top", I(10)}, {"Width", I(120)}, {"Height", I(40)}});
    setAll(*b, more);
    return b;
  }
  // Shows the window and gives the content's pixel at (x, y).
  QColor pixel(int x, int y) {
    showAndWait(view());
    return view().content()->grab().toImage().pixelColor(x, y);
  }
  rt::Ref<ui::Window> window_;
};

// One property set on one kind of control, and what its widget shows then.
struct ChangeRow {
  const char* what;
  const rt::ClassRecord& (*cls)();
  const char* property;
  rt::Value value;
  std::function<bool(QWidget&)> shows;
};

TEST_F(ControlViews, APropertyChangeOfTheModelReachesItsWidget) {
  auto text = [](QWidget& w) { return static_cast<QPushButton&>(w).text(); };
  const ChangeRow rows[] = {
      {"caption", ui::BevelButtonClass, "Caption", S("スタート"),
       [&](QWidget& w) { return text(w) == QString::fromUtf8("スタート"); }},
      {"caption of two lines", ui::BevelButtonClass, "Caption", S("上\r下"),
       [&](QWidget& w) { return text(w) == QString::fromUtf8("上\n下"); }},
      {"caption with an ampersand", ui::BevelButtonClass, "Caption", S("A&B"),
       [&](QWidget& w) { return text(w) == QStringLiteral("A&&B"); }},
      {"text size", ui::BevelButtonClass, "TextSize", 24.0, [](QWidget& w) { return w.font().pointSizeF() == 24.0; }},
      {"hidden button", ui::BevelButtonClass, "Visible", false, [](QWidget& w) { return w.isHidden(); }},
      {"disabled button", ui::BevelButtonClass, "Enabled", false, [](QWidget& w) { return !w.isEnabled(); }},
      {"label text", ui::LabelClass, "Text", S("参\r"),
       [](QWidget& w) { return static_cast<QLabel&>(w).text() == QString::fromUtf8("参\n"); }},
      {"hidden label", ui::LabelClass, "Visible", false, [](QWidget& w) { return w.isHidden(); }},
      {"text area text", ui::TextAreaClass, "Text", S("あきのたの\rかりほのいほの"),
       [](QWidget& w) {
         return static_cast<QTextEdit&>(w).toPlainText() == QString::fromUtf8("あきのたの\nかりほのいほの");
       }},
      {"read-only text area", ui::TextAreaClass, "ReadOnly", true,
       [](QWidget& w) { return static_cast<QTextEdit&>(w).isReadOnly(); }},
      {"vertical scroll bar", ui::TextAreaClass, "ScrollBarVertical", true,
       [](QWidget& w) { return static_cast<QTextEdit&>(w).verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn; }},
      {"hidden oval", ui::OvalClass, "Visible", false, [](QWidget& w) { return w.isHidden(); }},
      {"hidden line", ui::LineClass, "Visible", false, [](QWidget& w) { return w.isHidden(); }},
  };
  int n = 0;
  for (const ChangeRow& r : rows) {
    SCOPED_TRACE(r.what);
    const std::string name = "Control" + std::to_string(n++);
    rt::Ref<ui::Control> c = addControl<ui::Control>(*window_, r.cls(), name.c_str(), {});
    QWidget& w = *widgetOf(*c);
    EXPECT_FALSE(r.shows(w)) << "already so before the change";
    c->setProperty(r.property, r.value);
    EXPECT_TRUE(r.shows(w));
  }
}

TEST_F(ControlViews, TheWidgetReadsTheModelAsItIsWhenTheViewIsMade) {
  rt::Ref<ui::Window> w = newWindow(200, 100);
  rt::Ref<ui::BevelButton> b =
      addControl<ui::BevelButton>(*w, ui::BevelButtonClass(), "Score", {{"Caption", S("0")}, {"Visible", false}});
  b->setTextSize(24.0f);
  w->construct();
  auto& shown = static_cast<QPushButton&>(*viewOf(*w).viewOf(*b)->widget());
  EXPECT_EQ(shown.text(), QStringLiteral("0"));
  EXPECT_EQ(shown.font().pointSizeF(), 24.0);
  EXPECT_TRUE(shown.isHidden());
}

TEST_F(ControlViews, AClickOnAButtonRaisesItsActionOnceThroughTheDispatch) {
  rt::Ref<ui::BevelButton> b = button("StartButton");
  EventRecorder recorder(*window_);
  recorder.attach<ui::event::kBevelButtonAction>(*b);
  QTest::mouseClick(widgetOf(*b), Qt::LeftButton);
  EXPECT_EQ(EventRecorder::senders(), std::vector<rt::Object*>{b.get()});

  // A disabled button cannot be clicked.
  b->setEnabled(false);
  QTest::mouseClick(widgetOf(*b), Qt::LeftButton);
  EXPECT_EQ(EventRecorder::senders().size(), 1u);
}

void raiseNilObject(rt::Object&, rt::Object*) { rt::RaiseNilObjectException("the handler failed"); }

TEST_F(ControlViews, AnExceptionFromAClickHandlerIsReportedAndTheViewGoesOn) {
  rt::Ref<ui::BevelButton> b = button("FudaButton");
  rt::Ref<rt::Delegate> failing = rt::RuntimeCreateDelegate(
      rt::DelegateInvokeOneObject(), rt::makeSlot("Test.fail", "%%o<BevelButton>", &raiseNilObject), window_.get(),
      "( BevelButton )", 1);
  rt::RuntimeAddEventHandler(*b, ui::event::kBevelButtonAction, rt::AddHandlerStub<17>, *failing);
  QTest::mouseClick(widgetOf(*b), Qt::LeftButton);
  QTest::mouseClick(widgetOf(*b), Qt::LeftButton);
  EXPECT_EQ(rt::unhandledExceptionCount(), 2u);
  EXPECT_EQ(rt::lastUnhandledReport(), "unhandled exception: NilObjectException: the handler failed");
}

void closeTheWindow(rt::Object& window, rt::Object*) { dynamic_cast<ui::Window&>(window).close(); }

TEST_F(ControlViews, AHandlerThatClosesTheWindowDuringAClickEndsItsViewSafely) {
  rt::Ref<ui::BevelButton> b = button("QuitButton");
  rt::Ref<rt::Delegate> closing = rt::RuntimeCreateDelegate(
      rt::DelegateInvokeOneObject(), rt::makeSlot("Test.close", "%%o<BevelButton>", &closeTheWindow), window_.get(),
      "( BevelButton )", 1);
  rt::RuntimeAddEventHandler(*b, ui::event::kBevelButtonAction, rt::AddHandlerStub<17>, *closing);
  QPointer<QWidget> pushed = widgetOf(*b);
  QTest::mouseClick(pushed, Qt::LeftButton);
  EXPECT_FALSE(window_->isOpen());
  EXPECT_EQ(qtview::viewOf(*window_), nullptr);
  EXPECT_EQ(b->observer(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(pushed.isNull());
}

TEST_F(ControlViews, AToggleButtonShowsTheValueItsModelKeeps) {
  rt::Ref<ui::BevelButton> b = button("Toggle", {{"ButtonType", I(1)}});
  auto* shown = static_cast<QPushButton*>(widgetOf(*b));
  QTest::mouseClick(shown, Qt::LeftButton);
  EXPECT_TRUE(b->value());
  EXPECT_TRUE(shown->isChecked());
  QTest::mouseClick(shown, Qt::LeftButton);
  EXPECT_FALSE(b->value());
  EXPECT_FALSE(shown->isChecked());
  b->setProperty("Value", true);
  EXPECT_TRUE(shown->isChecked());
}

TEST_F(ControlViews, TypingInATextAreaReachesTheModelWithoutEchoingBack) {
  rt::Ref<ui::TextArea> area = addControl<ui::TextArea>(
      *window_, ui::TextAreaClass(), "OdaiAREA",
      {{"Left", I(10)}, {"Top", I(10)}, {"Width", I(200)}, {"Height", I(80)}, {"Text", S("あ")}});
  EventRecorder recorder(*window_);
  recorder.attach<ui::event::kTextAreaTextChange>(*area);
  auto* edit = static_cast<QTextEdit*>(widgetOf(*area));
  edit->moveCursor(QTextCursor::End);
  QTest::keyClicks(edit, "b");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "c");
  EXPECT_EQ(area->text(), rt::String("あb\rc"));
  EXPECT_EQ(EventRecorder::senders().size(), 3u);  // one TextChange per key
  // The model's change of its own text did not reset the widget's text.
  EXPECT_EQ(edit->textCursor().position(), 4);

  // A text the program sets replaces the widget's and is no typing.
  area->setText("新しい\r句");
  EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("新しい\n句"));
  EXPECT_EQ(EventRecorder::senders().size(), 3u);
}

TEST_F(ControlViews, TheOvalIsFilledAndOutlinedAsItsModelSays) {
  rt::Ref<ui::Oval> oval = addControl<ui::Oval>(
      *window_, ui::OvalClass(), "Oval1",
      {{"Left", I(100)}, {"Top", I(50)}, {"Width", I(100)}, {"Height", I(100)}, {"BorderWidth", I(4)}});
  EXPECT_EQ(pixel(150, 100), QColor(Qt::white));  // FillColor starts white
  EXPECT_EQ(pixel(101, 100), QColor(Qt::black));  // BorderColor starts black
  EXPECT_NE(pixel(102, 52), QColor(Qt::white));   // the corner is outside the oval
  oval->setProperty("FillColor", rt::Color{0, 0, 0xFF});
  oval->setProperty("BorderColor", rt::Color{0, 0xFF, 0});
  EXPECT_EQ(pixel(150, 100), QColor(0, 0, 0xFF));
  EXPECT_EQ(pixel(101, 100), QColor(0, 0xFF, 0));
}

TEST_F(ControlViews, ALineRunsBetweenItsEndPointsAboveTheControlsRegisteredAfterIt) {
  rt::Ref<ui::Line> line = addControl<ui::Line>(*window_, ui::LineClass(), "Xline",
                                                {{"X1", I(20)},
                                                 {"Y1", I(30)},
                                                 {"X2", I(180)},
                                                 {"Y2", I(30)},
                                                 {"BorderWidth", I(3)},
                                                 {"LineColor", rt::Color{0xFF, 0, 0}}});
  // A button made after the line lies across it.
  rt::Ref<ui::BevelButton> b = button("Under", {{"Top", I(15)}, {"Height", I(30)}});
  EXPECT_EQ(pixel(60, 30), QColor(0xFF, 0, 0));   // over the button
  EXPECT_EQ(pixel(170, 30), QColor(0xFF, 0, 0));  // beyond it
  EXPECT_NE(pixel(60, 40), QColor(0xFF, 0, 0));
  // New end points move the line.
  line->setProperty("Y1", I(60));
  line->setProperty("Y2", I(60));
  EXPECT_EQ(pixel(170, 60), QColor(0xFF, 0, 0));
  EXPECT_NE(pixel(170, 30), QColor(0xFF, 0, 0));
  // Clicks go through the line to the button below.
  EventRecorder recorder(*window_);
  recorder.attach<ui::event::kBevelButtonAction>(*b);
  line->setProperty("Y1", I(30));
  line->setProperty("Y2", I(30));
  QWidget* hit = view().content()->childAt(60, 30);
  EXPECT_EQ(hit, widgetOf(*b));
  QTest::mouseClick(hit, Qt::LeftButton);
  EXPECT_EQ(EventRecorder::senders().size(), 1u);
}

TEST_F(ControlViews, ARunningTimerFiresItsModelUntilItIsTurnedOff) {
  rt::Ref<ui::Timer> timer =
      addControl<ui::Timer>(*window_, ui::TimerClass(), "Timer1", {{"Mode", I(2)}, {"Period", I(5)}});
  EventRecorder recorder(*window_);
  recorder.attach<ui::event::kTimerAction>(*timer);
  EXPECT_TRUE(QTest::qWaitFor([] { return EventRecorder::senders().size() >= 3; }, 5000));
  auto* clock = dynamic_cast<qtview::TimerView*>(view().viewOf(*timer));
  ASSERT_NE(clock, nullptr);
  timer->setProperty("Mode", I(0));
  EXPECT_FALSE(clock->clock().isActive());
  const std::size_t fired = EventRecorder::senders().size();
  QTest::qWait(30);
  EXPECT_EQ(EventRecorder::senders().size(), fired);

  // A single-mode timer fires once and turns itself off.
  timer->setProperty("Mode", I(1));
  EXPECT_TRUE(QTest::qWaitFor([&] { return EventRecorder::senders().size() == fired + 1; }, 5000));
  QTest::qWait(30);
  EXPECT_EQ(EventRecorder::senders().size(), fired + 1);
  EXPECT_EQ(timer->mode(), 0);
  EXPECT_FALSE(clock->clock().isActive());

  // Disabled, or without a period, it does not run.
  timer->setProperty("Enabled", false);
  timer->setProperty("Mode", I(2));
  EXPECT_FALSE(clock->clock().isActive());
  timer->setProperty("Enabled", true);
  EXPECT_TRUE(clock->clock().isActive());
  timer->setProperty("Period", I(0));
  EXPECT_FALSE(clock->clock().isActive());
}

// Glyph 0 is the font's "missing glyph" box: a Japanese text drawn with it
// would show as empty squares.
TEST_F(ControlViews, JapaneseCaptionsAreDrawnWithRealGlyphs) {
  rt::Ref<ui::BevelButton> b = button("Card", {{"Caption", S("わがころもでは\rつゆにぬれつつ")}});
  b->setTextSize(24.0f);
  for (const char* text : {"ポコリンド", "お題", "わがころもでは", "得点", "壱弐参四伍", "終了"}) {
    SCOPED_TRACE(text);
    QTextLayout layout(QString::fromUtf8(text), widgetOf(*b)->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
      for (quint32 index : run.glyphIndexes()) {
        EXPECT_NE(index, 0u);
        ++glyphs;
      }
    }
    EXPECT_EQ(glyphs, QString::fromUtf8(text).size());
  }
}

}  // namespace
}  // namespace qttest
