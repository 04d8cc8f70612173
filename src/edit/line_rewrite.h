#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace wed {

// The number of lines a rewrite can address in a file's bytes: lines end at CR LF only, as in
// the line buffer, and a final CR LF ends the last line instead of starting an empty one. An
// empty file has no line; "A" CR LF CR LF has two (A and an empty line).
qsizetype addressableLines(QByteArrayView file);

// The file's bytes with line number n (1-based) replaced by `line`, or with `line` inserted
// before line n (after the last line when n is past the end). Only the addressed line changes;
// every other byte stays, including lone CR, lone LF and bytes the code page does not know.
// The result always ends with CR LF. Nothing (no result) for a replacement below line 1, past
// the last line or in an empty file, and for an insertion below line 1.
std::optional<QByteArray> rewriteLine(QByteArrayView file, qsizetype n, QByteArrayView line,
                                      bool insert);

} // namespace wed
