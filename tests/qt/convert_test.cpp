// The conversions between the framework's values and Qt's.
#include <gtest/gtest.h>

#include <QFont>
#include <QKeySequence>

#include "platform/qt/convert.h"
#include "support.h"

namespace qttest {
namespace {

TEST(Shortcuts, MenuShortcutTextsBecomeThePlatformsCtrlKeys) {
  struct Row {
    const char* text;
    const char* keys;  // portable text; "" for no shortcut
  };
  const Row rows[] = {
      {"Cmd+Q", "Ctrl+Q"},
      {"Cmd+Z", "Ctrl+Z"},
      {"cmd+a", "Ctrl+A"},
      {"Ctrl+X", "Ctrl+X"},
      {"Q", "Ctrl+Q"},
      {"Shift+Cmd+Z", "Ctrl+Shift+Z"},
      {"Option+Cmd+V", "Ctrl+Alt+V"},
      {"Cmd++", "Ctrl++"},
      {"Cmd+F5", "Ctrl+F5"},
      {"", ""},
      {"  ", ""},
      {"Hyper+Q", ""},
      {"Cmd+", ""},
      {"Cmd+NoSuchKey", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(qtview::shortcutFromText(r.text).toString(QKeySequence::PortableText).toStdString(), r.keys);
  }
}

TEST(Texts, LinesJoinedByCarriageReturnsShowAsLineBreaksAndComeBackSo) {
  struct Row {
    const char* model;
    const char* shown;
    const char* back;
  };
  const Row rows[] = {
      {"あきのたの\rかりほのいほの", "あきのたの\nかりほのいほの", "あきのたの\rかりほのいほの"},
      {"参\r", "参\n", "参\r"},
      {"a\r\nb", "a\nb", "a\rb"},
      {"a\nb", "a\nb", "a\rb"},
      {"", "", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.model);
    const QString shown = qtview::linesToQt(r.model);
    EXPECT_EQ(shown, QString::fromUtf8(r.shown));
    EXPECT_EQ(qtview::linesFromQt(shown), rt::String(r.back));
  }
  // Qt's own paragraph separator is a line break too.
  EXPECT_EQ(qtview::linesFromQt(QStringLiteral("x") + QChar::ParagraphSeparator + QStringLiteral("y")),
            rt::String("x\ry"));
}

class Fonts : public ViewTest {};

TEST_F(Fonts, TheTextSizeIsTakenInTheModelsTextUnit) {
  rt::Ref<ui::BevelButton> b = make<ui::BevelButton>(ui::BevelButtonClass());
  QFont base;
  base.setPointSizeF(9);
  struct Row {
    std::int32_t unit;
    float size;
    double points;  // -1: given in pixels instead
    int pixels;
  };
  const Row rows[] = {
      {0, 24.0f, 24.0, 0}, {2, 24.0f, 24.0, 0}, {1, 24.0f, -1, 24},
      {3, 0.5f, 36.0, 0},  {4, 25.4f, 72.0, 0}, {0, 0.0f, 9.0, 0},  // no size: the base font's
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.unit);
    b->setTextUnit(r.unit);
    b->setTextSize(r.size);
    const QFont f = qtview::fontOf(*b, base);
    if (r.points < 0) {
      EXPECT_EQ(f.pixelSize(), r.pixels);
    } else {
      EXPECT_NEAR(f.pointSizeF(), r.points, 1e-4);  // sizes come as single-precision floats
    }
  }
  b->setProperty("Bold", true);
  b->setProperty("TextFont", rt::String("Noto Sans CJK JP"));
  const QFont f = qtview::fontOf(*b, base);
  EXPECT_TRUE(f.bold());
  EXPECT_EQ(f.family(), QStringLiteral("Noto Sans CJK JP"));
  b->setProperty("TextFont", rt::String("System"));
  EXPECT_EQ(qtview::fontOf(*b, base).family(), base.family());
}

}  // namespace
}  // namespace qttest
