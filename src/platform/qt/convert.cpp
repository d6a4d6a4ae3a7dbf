#include "platform/qt/convert.h"

#include <QStringList>

namespace qtview {

QString toQString(const rt::String& s) {
  const std::string_view b = s.bytes();
  return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
}

QString linesToQt(const rt::String& s) {
  QString q = toQString(s);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

rt::String linesFromQt(const QString& s) {
  QString q = s;
  // QTextEdit hands out paragraph and line separators beside line feeds.
  q.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
  q.replace(QChar::LineSeparator, QLatin1Char('\r'));
  q.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  const QByteArray utf8 = q.toUtf8();
  return rt::String(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString literalCaption(const QString& s) {
  QString q = s;
  q.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return q;
}

QColor toQColor(rt::Color c) { return QColor(c.red, c.green, c.blue); }

QKeySequence shortcutFromText(const rt::String& text) {
  const QString t = toQString(text).trimmed();
  if (t.isEmpty()) return {};
  // "Cmd++" names the plus key: the last part is the key, whatever it holds.
  QStringList parts = t.split(QLatin1Char('+'));
  QString key = parts.takeLast();
  if (key.isEmpty() && !parts.isEmpty() && parts.last().isEmpty()) {
    parts.removeLast();
    key = QStringLiteral("+");
  }
  key = key.trimmed();
  if (key.isEmpty()) return {};
  bool alt = false;
  bool shift = false;
  for (const QString& part : parts) {
    const QString m = part.trimmed().toLower();
    if (m == QLatin1String("option") || m == QLatin1String("opt") || m == QLatin1String("alt")) {
      alt = true;
    } else if (m == QLatin1String("shift")) {
      shift = true;
    } else if (m != QLatin1String("cmd") && m != QLatin1String("command") && m != QLatin1String("ctrl") &&
               m != QLatin1String("control")) {
      return {};
    }
  }
  QString portable = QStringLiteral("Ctrl+");
  if (alt) portable += QStringLiteral("Alt+");
  if (shift) portable += QStringLiteral("Shift+");
  const QKeySequence seq = QKeySequence::fromString(portable + key, QKeySequence::PortableText);
  if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown) return {};
  return seq;
}

QFont fontOf(ui::Model& model, const QFont& base) {
  QFont f = base;
  const QString family = toQString(stringOf(model, "TextFont"));
  if (!family.isEmpty() && family.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0) f.setFamily(family);
  const double size = doubleOf(model, "TextSize");
  if (size > 0) {
    switch (intOf(model, "TextUnit")) {
      case 1:
        f.setPixelSize(static_cast<int>(size + 0.5));
        break;
      case 3:
        f.setPointSizeF(size * 72.0);
        break;
      case 4:
        f.setPointSizeF(size * 72.0 / 25.4);
        break;
      default:
        f.setPointSizeF(size);
        break;
    }
  }
  f.setBold(boolOf(model, "Bold"));
  f.setItalic(boolOf(model, "Italic"));
  f.setUnderline(boolOf(model, "Underline"));
  return f;
}

std::int32_t intOf(ui::Model& model, std::string_view name) { return rt::VariantToInt32(model.property(name)); }
bool boolOf(ui::Model& model, std::string_view name) { return rt::valueToBool(model.property(name)); }
double doubleOf(ui::Model& model, std::string_view name) { return rt::valueToDouble(model.property(name)); }
rt::Color colorOf(ui::Model& model, std::string_view name) { return rt::valueToColor(model.property(name)); }
rt::String stringOf(ui::Model& model, std::string_view name) { return rt::valueToString(model.property(name)); }

bool concerns(std::string_view changed, std::initializer_list<std::string_view> names) {
  if (changed.empty()) return true;
  for (std::string_view n : names) {
    if (n == changed) return true;
  }
  return false;
}

}  // namespace qtview
