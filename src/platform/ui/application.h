#pragma once

#include "platform/runtime/object.h"
#include "platform/ui/model.h"

namespace ui {

class MenuBar;

class Application : public Model {
 public:
  using Model::Model;
  rt::Ref<MenuBar> menuBar() const { return menuBar_; }
  void setMenuBar(MenuBar* bar);

 private:
  rt::Ref<MenuBar> menuBar_;
};

}  // namespace ui
