#pragma once

#include "base/byte_splice.h"
#include "base/line_buffer.h"

#include <QByteArray>
#include <QList>

namespace wed {

// Changes of whole lines of a buffer, as the splice that makes each. Lines end at CR LF; a
// buffer whose bytes end with CR LF ends there (the empty line the buffer counts after it is
// no line of the file), one whose last line has no line end keeps it that way. Every other
// byte stays.

// New lines (each without a line end) after line `after`, or before the first line for -1.
Splice insertLinesAfter(const LineBuffer& buffer, qsizetype after, const QList<QByteArray>& lines);

// Lines first to last, with their line ends. When they end the file, the line end before them
// goes too, so that a file that ended without one still does.
Splice removeLines(const LineBuffer& buffer, qsizetype first, qsizetype last);

// Lines first to last replaced by new lines (at least one); line ends stay as they were.
Splice replaceLines(const LineBuffer& buffer, qsizetype first, qsizetype last,
                    const QList<QByteArray>& lines);

} // namespace wed
