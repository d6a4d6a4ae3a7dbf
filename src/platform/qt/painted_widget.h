// A widget drawn by a function: the views of shapes paint their model's
// current values each time Qt asks, so the widget keeps nothing of its own.
#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>

#include <functional>
#include <utility>

namespace qtview {

class PaintedWidget final : public QWidget {
 public:
  using Painter = std::function<void(QPainter& painter, const QRect& rect)>;
  explicit PaintedWidget(QWidget* parent) : QWidget(parent) {}
  void setPainter(Painter painter) {
    painter_ = std::move(painter);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!painter_) return;
    QPainter p(this);
    painter_(p, rect());
  }

 private:
  Painter painter_;
};

}  // namespace qtview
