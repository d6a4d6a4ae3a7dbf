#include "platform/qt/bevel_button_view.h"

#include <QPalette>
#include <QSignalBlocker>

#include "platform/qt/convert.h"
#include "platform/runtime/lifecycle.h"

namespace qtview {

BevelButtonView::BevelButtonView(ui::BevelButton& model, QWidget* content) : ControlView(model) {
  auto* b = new QPushButton(content);
  setWidget(b);
  connect(b, &QPushButton::clicked, this, [this] { clicked(); });
}

void BevelButtonView::clicked() {
  // Held for the whole push: a handler may close the window or remove the
  // button, and with it this view.
  rt::Ref<ui::BevelButton> keep = rt::Ref<ui::BevelButton>::retain(&bevel());
  rt::dispatchEvent([&] { keep->push(); });
}

void BevelButtonView::apply(std::string_view p) {
  applyFrame(p);
  QPushButton* b = button();
  ui::BevelButton& m = bevel();
  if (concerns(p, {"Caption"})) b->setText(literalCaption(linesToQt(m.caption())));
  if (concerns(p, {"ButtonType", "Value"})) {
    // ButtonType 1 (toggle) and 2 (sticky) show their Value as pressed in.
    // Qt flips a checkable button by itself on a click; the model's push
    // then sets the Value that is shown, so the model stays the truth.
    const QSignalBlocker quiet(b);
    b->setCheckable(intOf(m, "ButtonType") != 0);
    b->setChecked(b->isCheckable() && m.value());
  }
  if (concerns(p, {"AcceptFocus"})) b->setFocusPolicy(boolOf(m, "AcceptFocus") ? Qt::StrongFocus : Qt::NoFocus);
  if (concerns(p, {"TextColor", "HasBackColor", "BackColor"})) {
    QPalette pal;  // only the roles set here; the rest comes from the window
    pal.setColor(QPalette::ButtonText, toQColor(colorOf(m, "TextColor")));
    if (boolOf(m, "HasBackColor")) pal.setColor(QPalette::Button, toQColor(colorOf(m, "BackColor")));
    b->setPalette(pal);
  }
  if (concerns(p, {"TextFont", "TextSize", "TextUnit", "Bold", "Italic", "Underline"})) {
    b->setFont(fontOf(m, b->parentWidget() ? b->parentWidget()->font() : b->font()));
  }
}

}  // namespace qtview
