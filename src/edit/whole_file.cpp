#include "edit/whole_file.h"

#include "edit/save_steps.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

namespace wed {
namespace {

// The temporary file: a new name beside the target, in its folder, so that the move stays on
// one disk and is a rename. Only a name that is taken is tried again.
bool openTemporary(QFile& file, const QString& target, bool replacing) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint32 suffix = QRandomGenerator::global()->generate();
        file.setFileName(target + u'.' + QString::number(suffix, 36));
        if (createFile(file, replacing))
            return true;
        if (!file.exists())
            return false;
    }
    return false;
}

// A write, flush, sync or close that failed.
Outcome writeFailure(const QFile& file, const QString& path, qsizetype size, QString reason) {
    const Status status =
        file.error() == QFileDevice::ResourceError ? Status::DiskFull : Status::WriteFailed;
    Outcome failure = Outcome::of(status, path, std::move(reason));
    // A full disk is known by the room left, while the cut-off temporary file still takes it.
    if (QStorageInfo(file.fileName()).bytesAvailable() < size)
        failure.status = Status::DiskFull;
    return failure;
}

// Writes the bytes to the temporary file, forces them onto the disk and closes it.
Outcome writeToDisk(QFile& file, QByteArrayView bytes, const QString& path) {
    // On a full disk a write can come up short with no error set, and the last buffered bytes
    // may not fit either: check the count, flush, and check again.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError)
        return writeFailure(file, path, bytes.size(), file.errorString());
    if (!saveSteps().syncFile(file))
        return writeFailure(file, path, bytes.size(), qt_error_string());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return writeFailure(file, path, bytes.size(), file.errorString());
    return {};
}

} // namespace

// A loop of links is replaced itself, as nothing else can be.
QString saveTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

bool isWriteProtected(const QString& path) {
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    const auto anyWriteBit =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // WriteUser alone is true for an administrator whatever the bits say.
    return !(permissions & anyWriteBit) || !(permissions & QFileDevice::WriteUser);
}

Outcome saveWholeFile(const QString& path, QByteArrayView bytes) {
    const QString target = saveTarget(path);
    const QFileInfo old(target);
    if (old.isDir())
        return Outcome::of(Status::IsFolder, path);
    // A new name would replace a read-only file as easily as any other.
    if (old.exists() && isWriteProtected(target))
        return Outcome::of(Status::ReadOnly, path);
    // Never write in place: a crash then would leave half a file.
    QFile file;
    if (!openTemporary(file, target, old.exists()))
        return Outcome::of(Status::TemporaryFailed, path, file.errorString());
    // The owner first: a change of owner clears the set-id bits of the mode.
    if (old.exists()) {
        keepOwner(file, old);
        file.setPermissions(old.permissions());
    }
    Outcome saved = writeToDisk(file, bytes, path);
    if (saved.done() && !saveSteps().replace(file.fileName(), target))
        saved = Outcome::of(Status::RenameFailed, path, qt_error_string());
    if (!saved.done()) {
        file.remove();
        return saved;
    }
    // The rename is done and the file holds the new bytes: a folder that cannot be synced is
    // no failed save, which the caller would undo or repeat on a file that is already right.
    saveSteps().syncFolder(old.absolutePath());
    return {};
}

} // namespace wed
