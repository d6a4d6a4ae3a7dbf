// Conversions between the framework's values and Qt's: texts, colours,
// fonts and keyboard shortcuts. Property reads by name go through the
// model's own table, so a program subclass of a framework class reads the
// same values.
#pragma once

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/runtime/string.h"
#include "platform/runtime/value.h"
#include "platform/ui/model.h"

namespace qtview {

QString toQString(const rt::String& s);

// The framework joins the lines of a text with carriage returns; Qt with
// line feeds. A "\r\n" pair is one line break.
QString linesToQt(const rt::String& s);
rt::String linesFromQt(const QString& s);

// A caption or menu text shown literally: "&" marks no mnemonic.
QString literalCaption(const QString& s);

QColor toQColor(rt::Color c);

// The platform's key sequence for a shortcut text such as "Cmd+Q". A menu
// shortcut always carries the command modifier, which is the platform's Ctrl
// ("Cmd" and "Ctrl" name it, and a bare key implies it: a bare letter bound
// in a menu would swallow that letter from every text the user types);
// "Option" or "Alt" adds Alt, "Shift" Shift. An empty text, or one naming
// another modifier or no key Qt knows, gives no shortcut.
QKeySequence shortcutFromText(const rt::String& text);

// The font a text control asks for: TextFont ("System" or empty: the
// application's font), TextSize in TextUnit (0 default and 2 mean points,
// 1 pixels, 3 inches, 4 millimetres; 0 keeps the base size), Bold, Italic
// and Underline.
QFont fontOf(ui::Model& model, const QFont& base);

// Property values by name.
std::int32_t intOf(ui::Model& model, std::string_view name);
bool boolOf(ui::Model& model, std::string_view name);
double doubleOf(ui::Model& model, std::string_view name);
rt::Color colorOf(ui::Model& model, std::string_view name);
rt::String stringOf(ui::Model& model, std::string_view name);

// Whether a change of `changed` concerns one of `names`; an empty name
// stands for "everything" (a view applying all its model at once).
bool concerns(std::string_view changed, std::initializer_list<std::string_view> names);

}  // namespace qtview
