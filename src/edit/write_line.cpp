#include "edit/write_line.h"

#include "base/file_bytes.h"
#include "edit/line_rewrite.h"
#include "edit/whole_file.h"

namespace wed {

Outcome WriteLineN(qsizetype n, const QString& FileName, QByteArrayView strT, bool InsertS) {
    const FileRead file = readFile(FileName);
    if (!file.outcome.done())
        return file.outcome;
    if (isWriteProtected(FileName))
        return Outcome::of(Status::ReadOnly, FileName);
    const std::optional<QByteArray> bytes = rewriteLine(file.bytes, n, strT, InsertS);
    if (!bytes) {
        Outcome missing =
            Outcome::of(file.bytes.isEmpty() ? Status::EmptyFile : Status::NoSuchLine, FileName);
        missing.line = n;
        return missing;
    }
    // A rewrite that changes no byte costs no save: the file already holds the result.
    return *bytes == file.bytes ? Outcome{} : saveWholeFile(FileName, *bytes);
}

} // namespace wed
