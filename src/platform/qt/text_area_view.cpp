#include "platform/qt/text_area_view.h"

#include <QPalette>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>

#include "platform/qt/convert.h"
#include "platform/runtime/lifecycle.h"

namespace qtview {

TextAreaView::TextAreaView(ui::TextArea& model, QWidget* content) : ControlView(model) {
  auto* e = new QTextEdit(content);
  e->setAcceptRichText(false);
  setWidget(e);
  connect(e, &QTextEdit::textChanged, this, [this] { userEdited(); });
}

void TextAreaView::userEdited() {
  rt::Ref<ui::TextArea> keep = rt::Ref<ui::TextArea>::retain(&area());
  const rt::String typed = linesFromQt(edit()->toPlainText());
  rt::dispatchEvent([&] { keep->userTyped(typed); });
}

void TextAreaView::applyAlignment() {
  // Alignment: 0 the default (left), 1 left, 2 centred, 3 right.
  const std::int32_t a = intOf(area(), "Alignment");
  QTextBlockFormat format;
  format.setAlignment(a == 2 ? Qt::AlignHCenter : a == 3 ? Qt::AlignRight : Qt::AlignLeft);
  const QSignalBlocker quiet(edit());
  QTextCursor all(edit()->document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(format);
}

void TextAreaView::apply(std::string_view p) {
  applyFrame(p);
  QTextEdit* e = edit();
  ui::TextArea& m = area();
  if (concerns(p, {"Text"})) {
    const rt::String text = m.text();
    if (linesFromQt(e->toPlainText()) != text) {
      const QSignalBlocker quiet(e);  // the model's own change is no typing
      e->setPlainText(linesToQt(text));
      applyAlignment();  // a new text starts with default paragraphs
    }
  }
  if (concerns(p, {"ReadOnly"})) e->setReadOnly(boolOf(m, "ReadOnly"));
  if (concerns(p, {"ScrollBarVertical"})) {
    e->setVerticalScrollBarPolicy(boolOf(m, "ScrollBarVertical") ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  }
  if (concerns(p, {"ScrollBarHorizontal"})) {
    // Without a horizontal scroll bar long lines wrap at the edge.
    const bool horizontal = boolOf(m, "ScrollBarHorizontal");
    e->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    e->setLineWrapMode(horizontal ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
  }
  if (concerns(p, {"Border"})) e->setFrameShape(boolOf(m, "Border") ? QFrame::StyledPanel : QFrame::NoFrame);
  if (concerns(p, {"Alignment"})) applyAlignment();
  if (concerns(p, {"TextColor", "BackColor"})) {
    QPalette pal;  // only the roles set here; the rest comes from the window
    pal.setColor(QPalette::Text, toQColor(colorOf(m, "TextColor")));
    pal.setColor(QPalette::Base, toQColor(colorOf(m, "BackColor")));
    e->setPalette(pal);
  }
  if (concerns(p, {"TextFont", "TextSize", "TextUnit", "Bold", "Italic", "Underline"})) {
    e->setFont(fontOf(m, e->parentWidget() ? e->parentWidget()->font() : e->font()));
  }
}

}  // namespace qtview
