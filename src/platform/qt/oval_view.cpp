#include "platform/qt/oval_view.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

#include "platform/qt/convert.h"
#include "platform/qt/painted_widget.h"

namespace qtview {

OvalView::OvalView(ui::Oval& model, QWidget* content) : ControlView(model) {
  auto* w = new PaintedWidget(content);
  rt::WeakRef<ui::Oval> weak(&model);
  w->setPainter([weak](QPainter& painter, const QRect& rect) {
    rt::Ref<ui::Oval> oval = weak.lock();
    if (!oval) return;
    const std::int32_t border = std::max(0, intOf(*oval, "BorderWidth"));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(toQColor(colorOf(*oval, "FillColor")));
    if (border > 0) {
      painter.setPen(QPen(toQColor(colorOf(*oval, "BorderColor")), border));
    } else {
      painter.setPen(Qt::NoPen);
    }
    // The pen is centred on the outline: keep all of it inside the rectangle.
    const double inset = border / 2.0;
    painter.drawEllipse(QRectF(rect).adjusted(inset, inset, -inset, -inset));
  });
  setWidget(w);
}

void OvalView::apply(std::string_view p) {
  applyFrame(p);
  if (concerns(p, {"FillColor", "BorderColor", "BorderWidth"})) widget()->update();
}

}  // namespace qtview
