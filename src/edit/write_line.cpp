#include "edit/write_line.h"

#include "edit/line_rewrite.h"
#include "edit/whole_file.h"

#include <QDir>

namespace wed {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

FileOutcome readOnly(const QString& path) {
    return {FileStatus::ReadOnly,
            QStringLiteral("文件“%1”是只读的，修改没有写入，文件保持原样。").arg(shown(path))};
}

FileOutcome noSuchLine(const QString& path, QByteArrayView file, qsizetype n) {
    if (file.isEmpty())
        return {
            FileStatus::NoSuchLine,
            QStringLiteral("文件“%1”是空的，没有可以修改的行，修改没有写入。").arg(shown(path))};
    return {FileStatus::NoSuchLine,
            QStringLiteral("文件“%1”中没有第%2行，修改没有写入。").arg(shown(path)).arg(n)};
}

// The rewrite shared by both entry points, once the file's current bytes are known.
FileOutcome rewriteAndSave(const QString& path, QByteArrayView file, qsizetype n,
                           QByteArrayView line, bool insert, QByteArray* written) {
    if (isWriteProtected(path))
        return readOnly(path);
    std::optional<QByteArray> bytes = rewriteLine(file, n, line, insert);
    if (!bytes)
        return noSuchLine(path, file, n);
    // A rewrite that changes no byte (a choice picked again, its text already written) costs
    // no save: the file already holds the result.
    FileOutcome outcome = *bytes == file ? FileOutcome{} : saveWholeFile(path, *bytes);
    if (outcome.ok() && written)
        *written = std::move(*bytes);
    return outcome;
}

} // namespace

FileOutcome WriteLineN(qsizetype n, const QString& FileName, QByteArrayView strT, bool InsertS) {
    const FileBytes file = readWholeFile(FileName);
    if (!file.outcome.ok())
        return file.outcome;
    return rewriteAndSave(FileName, file.bytes, n, strT, InsertS, nullptr);
}

FileOutcome commitLine(const QString& itemFilePath, LineBuffer& items, qsizetype lineNumber,
                       QByteArrayView newLine) {
    const FileBytes file = readWholeFile(itemFilePath);
    if (!file.outcome.ok())
        return file.outcome;
    // Writing over a file that another program changed would silently undo that change.
    if (file.bytes != items.bytes())
        return {FileStatus::ExternalChange,
                QStringLiteral("文件“%1”已被其他程序修改，这次修改没有写入。"
                               "编辑器将重新读取该文件，请再改一次。")
                    .arg(shown(itemFilePath))};
    QByteArray written;
    FileOutcome outcome =
        rewriteAndSave(itemFilePath, file.bytes, lineNumber, newLine, false, &written);
    // The bytes just renamed into place are exactly what a reload would read.
    if (outcome.ok())
        items.setBytes(std::move(written));
    return outcome;
}

} // namespace wed
