#include "support.h"

#include <QTest>

#include <array>

#include "platform/runtime/class_record.h"

namespace qttest {

namespace {

rt::Value I(std::int32_t v) { return v; }
rt::Value S(const char* v) { return rt::String(v); }
rt::Value C(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return rt::Color{r, g, b}; }

void recordSender(rt::Object&, rt::Object* sender) { EventRecorder::senders().push_back(sender); }

int gArgc = 1;
char gName[] = "qt_view_tests";
char* gArgv[] = {gName, nullptr};

}  // namespace

rt::Ref<ui::Window> newWindow(std::int32_t width, std::int32_t height, Settings more) {
  rt::Ref<ui::Window> w = make<ui::Window>(ui::WindowClass());
  setAll(*w, {{"Width", I(width)}, {"Height", I(height)}});
  setAll(*w, more);
  return w;
}

rt::Ref<ui::MenuItem> addMenuItem(ui::MenuItem& parent, const char* name, const char* text, const char* shortcut,
                                  const rt::ClassRecord& cls) {
  rt::Ref<ui::MenuItem> item = make<ui::MenuItem>(cls);
  item->construct();
  item->setName(name);
  item->setAutoEnable(true);
  item->setText(text);
  if (shortcut) item->setKeyboardShortcut(shortcut);
  parent.append(item.get());
  return item;
}

rt::Ref<ui::MenuBar> gameMenuBar() {
  rt::Ref<ui::MenuBar> bar = make<ui::MenuBar>(ui::MenuBarClass());
  rt::Ref<ui::MenuItem> file = addMenuItem(*bar, "FileMenu", "ファイル", "");
  addMenuItem(*file, "FileQuit", "終了", "Cmd+Q", ui::QuitMenuItemClass());
  rt::Ref<ui::MenuItem> edit = addMenuItem(*bar, "EditMenu", "編集", "");
  addMenuItem(*edit, "EditUndo", "元に戻す", "Cmd+Z");
  addMenuItem(*edit, "UntitledMenu1", "-", nullptr);
  addMenuItem(*edit, "EditCut", "カット", "Cmd+X");
  addMenuItem(*edit, "EditCopy", "コピー", "Cmd+C");
  addMenuItem(*edit, "EditPaste", "貼り付け", "Cmd+V");
  addMenuItem(*edit, "EditClear", "削除", "");
  addMenuItem(*edit, "UntitledMenu0", "-", nullptr);
  addMenuItem(*edit, "EditSelectAll", "すべてを選択", "Cmd+A");
  return bar;
}

rt::Ref<ui::Window> demoWindow() {
  rt::Ref<ui::Window> w = newWindow(460, 250,
                                    {{"Title", S("ポコリンド")},
                                     {"HasBackColor", true},
                                     {"BackColor", C(0xFF, 0x2E, 0x3C)},
                                     {"Resizeable", true},
                                     {"MaximizeButton", false},
                                     {"MinimizeButton", true}});
  w->setMenuBar(gameMenuBar().get());
  addControl<ui::TextArea>(*w, ui::TextAreaClass(), "OdaiAREA",
                           {{"Left", I(80)},
                            {"Top", I(12)},
                            {"Width", I(360)},
                            {"Height", I(70)},
                            {"ScrollBarVertical", true},
                            {"Text", S("あきのたの\rかりほのいほの\rとまをあらみ")}});
  addControl<ui::Label>(*w, ui::LabelClass(), "Label1",
                        {{"Left", I(12)}, {"Top", I(30)}, {"Width", I(61)}, {"Height", I(40)}, {"Text", S("お題\r")}});
  addControl<ui::BevelButton>(
      *w, ui::BevelButtonClass(), "StartButton",
      {{"Left", I(80)}, {"Top", I(94)}, {"Width", I(149)}, {"Height", I(23)}, {"Caption", S("スタート")}});
  addControl<ui::BevelButton>(*w, ui::BevelButtonClass(), "FudaButton",
                              {{"Left", I(80)},
                               {"Top", I(130)},
                               {"Width", I(220)},
                               {"Height", I(49)},
                               {"Caption", S("わがころもでは\rつゆにぬれつつ")}});
  rt::Ref<ui::BevelButton> score = addControl<ui::BevelButton>(
      *w, ui::BevelButtonClass(), "TokutenButton",
      {{"Left", I(250)}, {"Top", I(88)}, {"Width", I(80)}, {"Height", I(36)}, {"Caption", S("70")}});
  score->setTextSize(24.0f);
  addControl<ui::Oval>(*w, ui::OvalClass(), "Oval1",
                       {{"Left", I(330)}, {"Top", I(110)}, {"Width", I(100)}, {"Height", I(100)}});
  for (auto [index, x2, y1, y2] : {std::array{1, 412, 200, 121}, std::array{0, 422, 116, 200}}) {
    addControl<ui::Line>(
        *w, ui::LineClass(), "Xline",
        {{"Index", I(index)}, {"X1", I(342)}, {"Y1", I(y1)}, {"X2", I(x2)}, {"Y2", I(y2)}, {"BorderWidth", I(2)}});
  }
  return w;
}

EventRecorder::EventRecorder(rt::Object& target) : target_(rt::Ref<rt::Object>::retain(&target)) {}

std::vector<rt::Object*>& EventRecorder::senders() {
  static std::vector<rt::Object*> list;
  return list;
}

rt::Ref<rt::Delegate> EventRecorder::makeDelegate() {
  return rt::RuntimeCreateDelegate(rt::DelegateInvokeOneObject(),
                                   rt::makeSlot("EventRecorder.record", "%%o<BevelButton>", &recordSender),
                                   target_.get(), "( BevelButton )", 1);
}

void ViewTest::SetUp() {
  rt::RuntimeInit();
  ui::RuntimeInitExternalClasses();
  EventRecorder::senders().clear();
  liveBefore_ = rt::liveObjectCount();
  session_ = std::make_unique<qtplatform::Session>(gArgc, gArgv);
}

void ViewTest::TearDown() {
  ui::releaseFrameworkReferences();
  session_.reset();
}

qtview::WindowView& ViewTest::viewOf(const ui::Window& window) {
  qtview::WindowView* v = qtview::viewOf(window);
  if (!v) throw std::logic_error("the window has no view");
  return *v;
}

void ViewTest::showAndWait(qtview::WindowView& view) {
  view.widget()->show();
  if (!QTest::qWaitForWindowExposed(view.widget())) throw std::runtime_error("the window was never shown");
}

}  // namespace qttest
