#include "platform/qt/line_view.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "platform/qt/convert.h"
#include "platform/qt/painted_widget.h"

namespace qtview {

namespace {

// Room around the end points for the pen's width and its round caps.
int margin(ui::Line& line) { return std::max(1, line.borderWidth()) / 2 + 2; }

}  // namespace

LineView::LineView(ui::Line& model, QWidget* content) : ControlView(model) {
  auto* w = new PaintedWidget(content);
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  rt::WeakRef<ui::Line> weak(&model);
  QWidget* self = w;
  w->setPainter([weak, self](QPainter& painter, const QRect&) {
    rt::Ref<ui::Line> line = weak.lock();
    if (!line || line->borderWidth() <= 0) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(colorOf(*line, "LineColor")), line->borderWidth(), Qt::SolidLine, Qt::RoundCap));
    // The end points are in window coordinates; the widget sits at its box.
    const QPoint origin = self->pos();
    painter.drawLine(QPoint(line->x1(), line->y1()) - origin, QPoint(line->x2(), line->y2()) - origin);
  });
  setWidget(w);
}

void LineView::apply(std::string_view p) {
  auto& line = static_cast<ui::Line&>(model());
  QWidget* w = widget();
  if (concerns(p, {"X1", "Y1", "X2", "Y2", "BorderWidth"})) {
    const int m = margin(line);
    const QRect box = QRect(QPoint(line.x1(), line.y1()), QPoint(line.x2(), line.y2())).normalized();
    w->setGeometry(box.adjusted(-m, -m, m, m));
    w->update();
  }
  if (concerns(p, {"LineColor"})) w->update();
  if (concerns(p, {"Visible"})) w->setVisible(line.visible());
}

}  // namespace qtview
