#pragma once

#include <QFont>
#include <vector>

class QWidget;

namespace wed {

// Whether the text of a label, a push or radio button or a group box's title fits the room the
// widget gives it, drawn in that font; a label's room ends where its field to its right begins.
bool textFits(const QWidget* widget, const QFont& font);

// Gives each widget of a group (the captions of one panel) the font; when `shrink` and a text
// does not fit in it, all of them the largest size of that font, in steps of a quarter point,
// at which every text fits (and never less than 6 points), so that one panel's captions stand
// in one size. The widgets' places stay: a translated text takes the room the Chinese one had.
void fitFont(const std::vector<QWidget*>& group, const QFont& base, bool shrink);

} // namespace wed
