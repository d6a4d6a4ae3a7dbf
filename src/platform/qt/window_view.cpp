#include "platform/qt/window_view.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPalette>
#include <QResizeEvent>

#include <algorithm>
#include <functional>

#include "platform/qt/convert.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/menu.h"

namespace qtview {

namespace {

// The top-level widget hands the title-bar close button and the user's
// resizing to the view, which asks the model.
class TopWidget final : public QMainWindow {
 public:
  std::function<void()> onClose;
  std::function<void()> onUserResize;

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The model decides: the widget goes when its window leaves the open
    // windows, not because Qt was asked to close it.
    event->ignore();
    // A copy: the view, which owns the original, may end during the call.
    if (std::function<void()> call = onClose) call();
  }
  void resizeEvent(QResizeEvent* event) override {
    QMainWindow::resizeEvent(event);
    // Only sizes from the window system; the view's own resize is the model's.
    if (!event->spontaneous()) return;
    if (std::function<void()> call = onUserResize) call();
  }
};

TopWidget* topOf(QMainWindow* w) { return static_cast<TopWidget*>(w); }

// The height of the menu bar above a content area of that width, as the
// main window's layout places it.
int menuBarHeight(QMainWindow& top, int width) {
  QWidget* bar = top.menuWidget();
  if (!bar || bar->isHidden()) return 0;
  const int h = bar->heightForWidth(std::max(width, bar->minimumWidth()));
  return h >= 0 ? h : bar->sizeHint().height();
}

}  // namespace

WindowView::WindowView(ui::Window& window) : window_(rt::Ref<ui::Window>::retain(&window)) {
  auto* top = new TopWidget;
  top_ = top;
  auto* content = new QWidget(top);
  content_ = content;
  top->setCentralWidget(content);
  auto* bar = new QMenuBar(top);
  // In the window above the content on every desktop, never a global menu:
  // the content area keeps its place and size.
  bar->setNativeMenuBar(false);
  top->setMenuBar(bar);
  top->onClose = [this] { closeRequested(); };
  top->onUserResize = [this] { userResized(); };
  window_->setObserver(this);
  syncControls();
  apply({});
}

WindowView::~WindowView() {
  if (window_->observer() == this) window_->setObserver(nullptr);
  menuBar_.reset();
  controls_.clear();
  if (top_) {
    topOf(top_)->onClose = nullptr;
    topOf(top_)->onUserResize = nullptr;
    top_->hide();
    top_->deleteLater();
  }
}

ControlView* WindowView::viewOf(const ui::Control& control) const {
  for (const auto& v : controls_) {
    if (&v->model() == &control) return v.get();
  }
  return nullptr;
}

void WindowView::propertyChanged(ui::Model&, const rt::PropertyEntry& property) {
  const std::string_view name = property.name.bytes();
  if (!name.empty()) apply(name);
}

void WindowView::childrenChanged(ui::Model&) { syncControls(); }

void WindowView::refreshRequested(ui::Model&) {
  if (content_) content_->update();
}

void WindowView::apply(std::string_view p) {
  if (!top_) return;
  ui::Window& w = *window_;
  if (concerns(p, {"CloseButton", "MinimizeButton", "MaximizeButton"})) applyFlags();
  if (concerns(p, {"MenuBar"})) {
    menuBar_.reset();
    if (rt::Ref<ui::MenuBar> bar = w.menuBar()) menuBar_ = std::make_unique<MenuBarView>(*bar, top_->menuBar());
  }
  if (concerns(p, {"MenuBar", "MenuBarVisible"})) {
    top_->menuWidget()->setHidden(!menuBar_ || !boolOf(w, "MenuBarVisible"));
    applySize();  // the content keeps its size below a bar that comes or goes
  }
  if (concerns(p, {"Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Resizeable"})) applySize();
  if (concerns(p, {"Title"})) top_->setWindowTitle(toQString(w.title()));
  if (concerns(p, {"HasBackColor", "BackColor"})) {
    const bool filled = boolOf(w, "HasBackColor");
    QPalette pal;  // only the background; the rest is the desktop's
    if (filled) pal.setColor(QPalette::Window, toQColor(w.backColor()));
    content_->setPalette(pal);
    content_->setAutoFillBackground(filled);
  }
  if (concerns(p, {"Visible"})) top_->setVisible(w.visible());
}

void WindowView::applyFlags() {
  ui::Window& w = *window_;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (boolOf(w, "CloseButton")) flags |= Qt::WindowCloseButtonHint;
  if (boolOf(w, "MinimizeButton")) flags |= Qt::WindowMinimizeButtonHint;
  if (boolOf(w, "MaximizeButton")) flags |= Qt::WindowMaximizeButtonHint;
  if (top_->windowFlags() == flags) return;
  // New flags hide a shown window; it comes back at once.
  const bool shown = top_->isVisible();
  top_->setWindowFlags(flags);
  if (shown) top_->show();
}

void WindowView::applySize() {
  ui::Window& w = *window_;
  const QSize size(w.width(), w.height());
  const bool resizeable = boolOf(w, "Resizeable");
  const QSize least = resizeable ? QSize(intOf(w, "MinWidth"), intOf(w, "MinHeight")) : size;
  const QSize most = resizeable ? QSize(intOf(w, "MaxWidth"), intOf(w, "MaxHeight")) : size;
  const int bar = menuBarHeight(*top_, size.width());
  const QSize limit(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX - bar);
  top_->setMinimumSize(least.expandedTo(QSize(0, 0)).boundedTo(limit) + QSize(0, bar));
  top_->setMaximumSize(most.expandedTo(QSize(0, 0)).boundedTo(limit) + QSize(0, bar));
  // The user's own resize is being written to the model: the widget has
  // that size already, and half-written (a new width, the old height) it
  // would fight the user's drag.
  if (followingUser_) return;
  top_->resize(size + QSize(0, bar));
}

void WindowView::syncControls() {
  std::vector<std::unique_ptr<ControlView>> next;
  for (const rt::Ref<ui::Control>& control : window_->controls()) {
    auto same = [&](const std::unique_ptr<ControlView>& v) { return v && &v->model() == control.get(); };
    auto it = std::find_if(controls_.begin(), controls_.end(), same);
    if (it != controls_.end()) {
      next.push_back(std::move(*it));
    } else {
      next.push_back(makeControlView(*control, content_));
    }
  }
  // Views of controls that left the window end here.
  controls_ = std::move(next);
  // Later controls stand above earlier ones; lines above them all.
  for (const auto& v : controls_) {
    if (v->drawnOnTop() && v->widget()) v->widget()->raise();
  }
}

void WindowView::closeRequested() {
  // The title-bar close button asks the model to close the window: its
  // CancelClose and Close events run, and it leaves the open windows, which
  // ends this view. As a Linux user expects, closing the last open window
  // quits the application (its run loop ends).
  rt::Ref<ui::Window> keep = window_;
  rt::dispatchEvent([&] { keep->unifiedClose(); });
  if (!keep->isOpen() && ui::openWindows().empty()) rt::RuntimeQuit();
}

void WindowView::userResized() {
  const QSize size = content_->size();
  rt::Ref<ui::Window> keep = window_;
  if (size.width() == keep->width() && size.height() == keep->height()) return;
  QPointer<QObject> alive(this);  // a Resized handler may close the window
  followingUser_ = true;
  rt::dispatchEvent([&] {
    keep->setProperty("Width", std::int32_t{size.width()});
    keep->setProperty("Height", std::int32_t{size.height()});
    keep->callResized();
  });
  if (alive) followingUser_ = false;
}

}  // namespace qtview
