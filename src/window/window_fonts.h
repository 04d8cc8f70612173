#pragma once

#include <QFont>

namespace wed {

// The window's typeface at a size in points. The GB2312 family is requested by name; where it
// is missing, the system substitutes a font that holds the same characters.
QFont songFont(qreal points);

// The application's default font, marked as the widget's own so that a parent's font (the
// pair frame's caption size) does not pass to it.
QFont ownDefaultFont();

// A font for English texts: the same size and style, with proportional Latin families asked
// for first (those a Windows system has, then free ones a Linux system or a Wine prefix may
// have) and the font's own families after them, which draw the Chinese characters. The
// families a Chinese font asks for may draw Latin letters as wide as Chinese ones.
QFont latinFirst(const QFont& font);

} // namespace wed
