#include "platform/qt/menu_bar_view.h"

#include <QApplication>
#include <QTextEdit>

#include "platform/qt/convert.h"
#include "platform/runtime/events.h"
#include "platform/runtime/lifecycle.h"
#include "platform/ui/controls.h"

namespace qtview {

namespace {

bool hasActionHandler(const ui::MenuItem& item) {
  if (rt::attachedDelegate(item, ui::event::kMenuItemAction)) return true;
  const auto& events = item.classRecord().events;
  return ui::event::kMenuItemAction < events.size() && events[ui::event::kMenuItemAction].handler;
}

// The standard Edit items, known by their names, act on the text the user
// is editing when the program gives them no handler of its own, as a user
// expects of an Edit menu; their keyboard shortcuts reach the text
// field first anyway.
void editFocusedText(const rt::String& itemName) {
  auto* edit = qobject_cast<QTextEdit*>(QApplication::focusWidget());
  if (!edit) return;
  const std::string_view name = itemName.bytes();
  if (name == "EditUndo") {
    edit->undo();
  } else if (name == "EditCut") {
    edit->cut();
  } else if (name == "EditCopy") {
    edit->copy();
  } else if (name == "EditPaste") {
    edit->paste();
  } else if (name == "EditClear") {
    edit->textCursor().removeSelectedText();
  } else if (name == "EditSelectAll") {
    edit->selectAll();
  }
}

void choose(ui::MenuItem& item) {
  rt::Ref<ui::MenuItem> keep = rt::Ref<ui::MenuItem>::retain(&item);
  const bool handled = hasActionHandler(item);
  rt::dispatchEvent([&] { keep->choose(); });
  if (!handled && keep->enabled()) editFocusedText(keep->name());
}

}  // namespace

MenuBarView::MenuBarView(ui::MenuBar& bar, QMenuBar* widget)
    : bar_(rt::Ref<ui::MenuBar>::retain(&bar)), widget_(widget) {
  rebuild();
}

MenuBarView::~MenuBarView() {
  release();
  if (widget_) widget_->clear();
}

QAction* MenuBarView::actionOf(const ui::MenuItem& item) const {
  auto it = actions_.find(&item);
  return it == actions_.end() ? nullptr : it->second.data();
}

void MenuBarView::release() {
  for (const rt::Ref<ui::MenuItem>& item : watched_) {
    if (item->observer() == this) item->setObserver(nullptr);
  }
  watched_.clear();
  actions_.clear();
  // Later: the menus may be the ones whose action is being chosen now.
  for (const QPointer<QMenu>& menu : menus_) {
    if (menu) {
      menu->disconnect(this);
      for (QAction* a : menu->actions()) a->disconnect(this);
      menu->deleteLater();
    }
  }
  menus_.clear();
}

void MenuBarView::rebuild() {
  release();
  if (!widget_) return;
  widget_->clear();
  bar_->setObserver(this);
  watched_.push_back(bar_);
  for (const rt::Ref<ui::MenuItem>& top : bar_->children()) {
    // Every item of the bar is a menu, even before it has items.
    auto* menu = new QMenu(widget_);
    menus_.emplace_back(menu);
    widget_->addMenu(menu);
    watch(*top, menu->menuAction());
    addItems(menu, *top);
  }
}

void MenuBarView::addItems(QMenu* menu, ui::MenuItem& parent) {
  for (const rt::Ref<ui::MenuItem>& item : parent.children()) addItem(menu, *item);
}

QAction* MenuBarView::addItem(QMenu* menu, ui::MenuItem& item) {
  QAction* action = nullptr;
  if (item.count() > 0) {
    auto* sub = new QMenu(menu);
    menus_.emplace_back(sub);
    action = menu->addMenu(sub);
    addItems(sub, item);
  } else {
    action = menu->addAction(QString());
    rt::WeakRef<ui::MenuItem> weak(&item);
    connect(action, &QAction::triggered, this, [weak] {
      if (rt::Ref<ui::MenuItem> chosen = weak.lock()) choose(*chosen);
    });
  }
  watch(item, action);
  return action;
}

void MenuBarView::watch(ui::MenuItem& item, QAction* action) {
  // The tree has one view: a bar shown by two windows is drawn by the last.
  item.setObserver(this);
  watched_.push_back(rt::Ref<ui::MenuItem>::retain(&item));
  actions_[&item] = action;
  apply(item, {});
}

void MenuBarView::apply(ui::MenuItem& item, std::string_view p) {
  QAction* action = actionOf(item);
  if (!action) return;
  if (concerns(p, {"Text"})) {
    action->setSeparator(item.isSeparator());
    // A separator shows only its line: styles draw a separator's text as a
    // section label, which would put a stray "-" beside it.
    action->setText(item.isSeparator() ? QString() : literalCaption(toQString(item.text())));
  }
  // A menu's own action takes no shortcut: Qt would open the menu with it.
  if (concerns(p, {"KeyboardShortcut"}) && !action->menu()) {
    action->setShortcut(shortcutFromText(item.keyboardShortcut()));
  }
  if (concerns(p, {"Enabled"})) action->setEnabled(item.enabled());
  if (concerns(p, {"Visible"})) action->setVisible(boolOf(item, "Visible"));
  if (concerns(p, {"Checked"}) && !action->menu() && !action->isSeparator()) {
    const bool checked = boolOf(item, "Checked");
    action->setCheckable(checked);
    action->setChecked(checked);
  }
  if (concerns(p, {"HelpTag"})) action->setToolTip(toQString(stringOf(item, "HelpTag")));
}

void MenuBarView::propertyChanged(ui::Model& model, const rt::PropertyEntry& property) {
  auto* watched = dynamic_cast<ui::MenuItem*>(&model);
  if (!watched) return;
  ui::MenuItem& item = *watched;
  QAction* action = actionOf(item);
  const std::string_view name = property.name.bytes();
  // An item that becomes or stops being a separator changes the menu's shape.
  if (name == "Text" && action && action->isSeparator() != item.isSeparator()) {
    rebuild();
    return;
  }
  apply(item, name);
}

void MenuBarView::childrenChanged(ui::Model&) { rebuild(); }

}  // namespace qtview
