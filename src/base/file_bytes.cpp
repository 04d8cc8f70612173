#include "base/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wed {
namespace {

Outcome failure(const QFile& file) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return Outcome::of(Status::FileMissing, file.fileName());
    if (info.isDir())
        return Outcome::of(Status::IsFolder, file.fileName());
    if (!info.isReadable())
        return Outcome::of(Status::NotReadable, file.fileName());
    return Outcome::of(Status::ReadFailed, file.fileName(), file.errorString());
}

// On Windows a file that another process is replacing this moment cannot be opened: the open
// is tried again for up to a second.
bool openForReading(QFile& file, QIODevice::OpenMode mode) {
#ifdef Q_OS_WIN
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (file.open(mode))
            return true;
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            return false;
        Sleep(20);
    }
#endif
    return file.open(mode);
}

} // namespace

FileRead readFile(const QString& path) {
    QFile file(path);
    if (!openForReading(file, QIODevice::ReadOnly))
        return {failure(file), {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {failure(file), {}};
    return {{}, std::move(bytes)};
}

FileMatch fileHolds(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    if (!openForReading(file, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {failure(file), false};
    if (file.size() != bytes.size())
        return {{}, false};
    constexpr qsizetype kPiece = 1 << 16;
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (qsizetype at = 0; at < bytes.size();) {
        const qint64 read = file.read(piece.data(), std::min(kPiece, bytes.size() - at));
        if (read < 0)
            return {failure(file), false};
        if (read == 0 || QByteArrayView(piece.constData(), read) != bytes.sliced(at, read))
            return {{}, false};
        at += read;
    }
    // A file that grew while it was read is not the same either.
    return {{}, file.read(piece.data(), 1) == 0};
}

} // namespace wed
