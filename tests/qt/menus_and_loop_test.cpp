// The menu bar's view and the run loop on Qt's: menus, separators and
// shortcuts as the model has them, choices reaching the model through the
// event dispatch, posted events in order, and the quit item ending the loop.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "platform/runtime/exceptions.h"
#include "support.h"

namespace qttest {
namespace {

class MenusAndLoop : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    window_ = newWindow(300, 200);
    window_->setMenuBar(gameMenuBar().get());
    window_->construct();
  }
  QMenuBar& bar() { return *viewOf(*window_).widget()->menuBar(); }
  QAction* actionOf(const char* itemName) {
    rt::Ref<ui::MenuItem> item = window_->menuBar()->lookup(itemName);
    if (!item) throw std::logic_error(std::string("no menu item ") + itemName);
    return viewOf(*window_).menuBarView()->actionOf(*item);
  }
  // Runs the loop; fails the test (and ends the loop) when it runs longer
  // than a few seconds.
  void runLoop() {
    bool late = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      late = true;
      QCoreApplication::exit(1);
    });
    guard.start(5000);
    rt::RuntimeRun();
    EXPECT_FALSE(late) << "the loop did not end";
  }
  rt::Ref<ui::Window> window_;
};

struct Entry {
  const char* text;  // "-" for a separator
  const char* shortcut;
};

std::vector<Entry> entriesOf(QMenu& menu) {
  static std::vector<std::string> texts;  // keeps the texts the entries point to
  texts.clear();
  texts.reserve(menu.actions().size() * 2);
  std::vector<Entry> entries;
  for (QAction* a : menu.actions()) {
    // A separator must show nothing but its line: any text it kept would be
    // drawn beside it.
    texts.push_back(a->isSeparator() ? (a->text().isEmpty() ? "-" : "- with text " + a->text().toStdString())
                                     : a->text().toStdString());
    const char* text = texts.back().c_str();
    texts.push_back(a->shortcut().toString(QKeySequence::PortableText).toStdString());
    entries.push_back({text, texts.back().c_str()});
  }
  return entries;
}

bool operator==(const Entry& a, const Entry& b) {
  return std::string(a.text) == b.text && std::string(a.shortcut) == b.shortcut;
}
void PrintTo(const Entry& e, std::ostream* os) { *os << e.text << " [" << e.shortcut << "]"; }

TEST_F(MenusAndLoop, TheMenuBarShowsTheModelsMenusItemsSeparatorsAndShortcuts) {
  const QList<QAction*> menus = bar().actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QString::fromUtf8("ファイル"));
  EXPECT_EQ(menus[1]->text(), QString::fromUtf8("編集"));
  ASSERT_NE(menus[0]->menu(), nullptr);
  ASSERT_NE(menus[1]->menu(), nullptr);
  EXPECT_EQ(entriesOf(*menus[0]->menu()), (std::vector<Entry>{{"終了", "Ctrl+Q"}}));
  EXPECT_EQ(entriesOf(*menus[1]->menu()), (std::vector<Entry>{{"元に戻す", "Ctrl+Z"},
                                                              {"-", ""},
                                                              {"カット", "Ctrl+X"},
                                                              {"コピー", "Ctrl+C"},
                                                              {"貼り付け", "Ctrl+V"},
                                                              {"削除", ""},
                                                              {"-", ""},
                                                              {"すべてを選択", "Ctrl+A"}}));
}

TEST_F(MenusAndLoop, AChangedItemUpdatesItsActionAndANewItemJoinsItsMenu) {
  rt::Ref<ui::MenuBar> model = window_->menuBar();
  rt::Ref<ui::MenuItem> cut = model->lookup("EditCut");
  cut->setText("切り取り");
  cut->setKeyboardShortcut("Cmd+Shift+X");
  cut->setEnabled(false);
  QAction* action = actionOf("EditCut");
  EXPECT_EQ(action->text(), QString::fromUtf8("切り取り"));
  EXPECT_EQ(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+X")));
  EXPECT_FALSE(action->isEnabled());

  addMenuItem(*model->child("FileMenu"), "FileOpen", "開く", "Cmd+O");
  EXPECT_EQ(entriesOf(*bar().actions()[0]->menu()), (std::vector<Entry>{{"終了", "Ctrl+Q"}, {"開く", "Ctrl+O"}}));
  // An item that becomes a separator is drawn as one.
  model->lookup("FileOpen")->setText("-");
  EXPECT_TRUE(actionOf("FileOpen")->isSeparator());
}

TEST_F(MenusAndLoop, ChoosingAnItemRaisesItsActionThroughTheDispatch) {
  EventRecorder recorder(*window_);
  rt::Ref<ui::MenuItem> copy = window_->menuBar()->lookup("EditCopy");
  recorder.attach<ui::event::kMenuItemAction>(*copy);
  actionOf("EditCopy")->trigger();
  EXPECT_EQ(EventRecorder::senders(), std::vector<rt::Object*>{copy.get()});
  EXPECT_FALSE(rt::quitRequested());
}

TEST_F(MenusAndLoop, TheEditItemsWithoutHandlersEditTheTextTheUserIsIn) {
  rt::Ref<ui::TextArea> area = addControl<ui::TextArea>(*window_, ui::TextAreaClass(), "OdaiAREA",
                                                        {{"Width", rt::Value(std::int32_t{200})},
                                                         {"Height", rt::Value(std::int32_t{80})},
                                                         {"Text", rt::String("あいう")}});
  QMainWindow* top = viewOf(*window_).widget();
  top->show();
  QApplication::setActiveWindow(top);
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  auto* edit = static_cast<QTextEdit*>(viewOf(*window_).viewOf(*area)->widget());
  edit->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), edit);

  actionOf("EditSelectAll")->trigger();
  EXPECT_EQ(edit->textCursor().selectedText(), QString::fromUtf8("あいう"));
  actionOf("EditCut")->trigger();
  EXPECT_EQ(area->text(), rt::String(""));  // the cut reaches the model as typing does
  actionOf("EditPaste")->trigger();
  actionOf("EditPaste")->trigger();
  EXPECT_EQ(area->text(), rt::String("あいうあいう"));
  actionOf("EditUndo")->trigger();
  EXPECT_EQ(area->text(), rt::String("あいう"));

  // An item the program handles itself does only what its handler does.
  EventRecorder recorder(*window_);
  recorder.attach<ui::event::kMenuItemAction>(*window_->menuBar()->lookup("EditSelectAll"));
  edit->moveCursor(QTextCursor::End);
  actionOf("EditSelectAll")->trigger();
  EXPECT_EQ(EventRecorder::senders().size(), 1u);
  EXPECT_FALSE(edit->textCursor().hasSelection());
}

TEST_F(MenusAndLoop, ChoosingTheQuitItemEndsTheQtEventLoop) {
  QAction* quit = actionOf("FileQuit");
  ASSERT_NE(quit, nullptr);
  bool after = false;
  rt::postEvent([quit] { quit->trigger(); });
  rt::postEvent([&] { after = true; });  // still queued when the loop ends
  runLoop();
  EXPECT_TRUE(rt::quitRequested());
  EXPECT_FALSE(after);
}

TEST_F(MenusAndLoop, TheQuitShortcutEndsTheQtEventLoop) {
  QMainWindow* top = viewOf(*window_).widget();
  top->show();
  QApplication::setActiveWindow(top);
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  rt::postEvent([top] { QTest::keyClick(top, Qt::Key_Q, Qt::ControlModifier); });
  runLoop();
  EXPECT_TRUE(rt::quitRequested());
}

TEST_F(MenusAndLoop, PostedEventsRunInOrderOnTheQtLoopAndAFailingOneIsReported) {
  std::vector<int> order;
  rt::postEvent([&] { order.push_back(1); });
  rt::postEvent([&] {
    order.push_back(2);
    rt::RaiseNilObjectException("event 2 failed");
  });
  rt::postEvent([&] {
    order.push_back(3);
    rt::RuntimeQuit();
  });
  rt::postEvent([&] { order.push_back(4); });
  runLoop();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(rt::unhandledExceptionCount(), 1u);

  // The loop runs again from where it stopped; a quit asked outside the
  // loop does not stop the next run before it starts.
  rt::RuntimeQuit();
  rt::postEvent([&] { rt::RuntimeQuit(); });
  runLoop();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(MenusAndLoop, ARunFromInsideAnEventKeepsTheLoopAndTheQuitItemStillEndsIt) {
  QAction* quit = actionOf("FileQuit");
  ASSERT_NE(quit, nullptr);
  std::vector<std::string> seen;
  rt::postEvent([&] {
    seen.push_back("nested run");
    rt::RuntimeRun();
    seen.push_back("nested run returned");
  });
  rt::postEvent([&] { seen.push_back("inside"); });
  rt::postEvent([quit] { quit->trigger(); });
  runLoop();
  EXPECT_TRUE(rt::quitRequested());
  EXPECT_EQ(seen, (std::vector<std::string>{"nested run", "inside", "nested run returned"}));
}

void startUp() {
  rt::postEvent([] { rt::RuntimeQuit(); });
}

// The program starts the runtime itself, after the session is made.
TEST_F(MenusAndLoop, TheFrameworksInitialisationRunsTheQtLoopAgainAfterTheRuntimeStarts) {
  rt::RuntimeInit();
  EXPECT_NE(dynamic_cast<rt::HeadlessEventLoop*>(&rt::eventLoop()), nullptr);
  rt::RunFrameworkInitialization(rt::makeFunction("startUp", "(  )", &startUp));
  EXPECT_EQ(dynamic_cast<rt::HeadlessEventLoop*>(&rt::eventLoop()), nullptr);
  runLoop();
  EXPECT_TRUE(rt::quitRequested());
}

}  // namespace
}  // namespace qttest
