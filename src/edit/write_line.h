#pragma once

#include "base/outcome.h"

#include <QByteArrayView>
#include <QString>

namespace wed {

// Replaces (InsertS false) or inserts before (InsertS true) line number n of the file, strT
// being the line's bytes in the file's code page without a line end, and saves the whole file
// atomically. Only the addressed line's bytes change; a file without a final CR LF gains one.
// A read-only file, a missing line and every file error change nothing and say why.
Outcome WriteLineN(qsizetype n, const QString& FileName, QByteArrayView strT, bool InsertS);

} // namespace wed
