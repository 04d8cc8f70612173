#pragma once

#include <QFont>

namespace wed {

// The window's typeface at a size in points. The GB2312 family is requested by name; where it
// is missing, the system substitutes a font that holds the same characters.
QFont songFont(qreal points);

// The application's default font, marked as the widget's own so that a parent's font (the
// pair frame's caption size) does not pass to it.
QFont ownDefaultFont();

} // namespace wed
