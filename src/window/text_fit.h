#pragma once

#include <QFont>

class QWidget;

namespace wed {

// Whether the text of a label, a push or radio button or a group box's title fits the room the
// widget gives it, drawn in that font; a label's room ends where its field to its right begins.
bool textFits(const QWidget* widget, const QFont& font);

// Gives the widget its font; when `shrink` and its text does not fit in it, the largest size of
// that font, in steps of a quarter point, that fits (and never less than 6 points). The
// widget's place stays: a translated text takes the room the Chinese one had.
void fitFont(QWidget* widget, const QFont& base, bool shrink);

} // namespace wed
