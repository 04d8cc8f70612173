#pragma once

#include "base/line_buffer.h"
#include "edit/file_outcome.h"

#include <QByteArrayView>
#include <QString>

namespace wed {

// Replaces (InsertS false) or inserts before (InsertS true) line number n of the file, strT
// being the line's bytes in the file's code page without a line end, and saves the whole file
// atomically. Only the addressed line's bytes change; a file without a final CR LF gains one.
// A read-only file, a missing line and every file error change nothing and say why.
FileOutcome WriteLineN(qsizetype n, const QString& FileName, QByteArrayView strT, bool InsertS);

// One field edit as the editor commits it: the file must still hold exactly items.bytes()
// (what the editor last loaded or wrote), else nothing is written and the outcome is
// ExternalChange, telling the window to reload its buffers, list and view. Then line
// lineNumber is replaced by newLine and saved atomically; on success `items` holds the bytes
// written, which is what re-reading the file would give. On any refusal `items` is unchanged.
FileOutcome commitLine(const QString& itemFilePath, LineBuffer& items, qsizetype lineNumber,
                       QByteArrayView newLine);

} // namespace wed
