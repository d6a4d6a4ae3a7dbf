// A menu bar model as the window's QMenuBar: each item of the bar a menu,
// each item below it an action (a submenu when it has items of its own), in
// the model's order; the text "-" is a separator. Choosing an action chooses
// its item through the event dispatch. The view watches every item of the
// tree: a changed text, shortcut or state updates its action, a changed
// list of items builds the menus again.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPointer>

#include <map>
#include <string_view>
#include <vector>

#include "platform/runtime/object.h"
#include "platform/ui/menu.h"
#include "platform/ui/model.h"

namespace qtview {

class MenuBarView final : public QObject, public ui::ModelObserver {
 public:
  MenuBarView(ui::MenuBar& bar, QMenuBar* widget);
  MenuBarView(const MenuBarView&) = delete;
  MenuBarView& operator=(const MenuBarView&) = delete;
  ~MenuBarView() override;

  ui::MenuBar& model() const { return *bar_; }
  // The action that shows the item (for a menu, the menu's own action), or
  // null for an item that is not in the tree.
  QAction* actionOf(const ui::MenuItem& item) const;

  void propertyChanged(ui::Model& model, const rt::PropertyEntry& property) override;
  void childrenChanged(ui::Model& model) override;

 private:
  void rebuild();
  void release();
  void addItems(QMenu* menu, ui::MenuItem& parent);
  QAction* addItem(QMenu* menu, ui::MenuItem& item);
  void watch(ui::MenuItem& item, QAction* action);
  void apply(ui::MenuItem& item, std::string_view property);

  rt::Ref<ui::MenuBar> bar_;
  QPointer<QMenuBar> widget_;
  std::vector<rt::Ref<ui::MenuItem>> watched_;
  std::map<const ui::MenuItem*, QPointer<QAction>> actions_;
  std::vector<QPointer<QMenu>> menus_;
};

}  // namespace qtview
