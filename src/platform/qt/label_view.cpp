#include "platform/qt/label_view.h"

#include <QPalette>

#include "platform/qt/convert.h"

namespace qtview {

LabelView::LabelView(ui::Label& model, QWidget* content) : ControlView(model) {
  auto* l = new QLabel(content);
  l->setTextFormat(Qt::PlainText);
  setWidget(l);
}

void LabelView::apply(std::string_view p) {
  applyFrame(p);
  QLabel* l = label();
  ui::Model& m = model();
  if (concerns(p, {"Text"})) l->setText(linesToQt(stringOf(m, "Text")));
  if (concerns(p, {"TextAlign"})) {
    // TextAlign: 0 left, 1 centred, 2 right.
    const std::int32_t a = intOf(m, "TextAlign");
    const Qt::Alignment h = a == 1 ? Qt::AlignHCenter : a == 2 ? Qt::AlignRight : Qt::AlignLeft;
    l->setAlignment(h | Qt::AlignTop);
  }
  if (concerns(p, {"MultiLine"})) l->setWordWrap(boolOf(m, "MultiLine"));
  if (concerns(p, {"TextColor", "HasBackColor", "BackColor"})) {
    QPalette pal;  // only the roles set here; the rest comes from the window
    pal.setColor(QPalette::WindowText, toQColor(colorOf(m, "TextColor")));
    const bool filled = boolOf(m, "HasBackColor");
    if (filled) pal.setColor(QPalette::Window, toQColor(colorOf(m, "BackColor")));
    l->setAutoFillBackground(filled);  // otherwise the window shows through
    l->setPalette(pal);
  }
  if (concerns(p, {"TextFont", "TextSize", "TextUnit", "Bold", "Italic", "Underline"})) {
    l->setFont(fontOf(m, l->parentWidget() ? l->parentWidget()->font() : l->font()));
  }
}

}  // namespace qtview
