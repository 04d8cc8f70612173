#include "edit/whole_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStorageInfo>

namespace wed {
namespace {

// What a failed save means; the error codes are all QSaveFile tells.
Status saveFailure(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return Status::TemporaryFailed;
    case QFileDevice::ResourceError:
        return Status::DiskFull;
    case QFileDevice::RenameError:
        return Status::RenameFailed;
    default:
        return Status::WriteFailed;
    }
}

} // namespace

bool isWriteProtected(const QString& path) {
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    const auto anyWriteBit =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // WriteUser alone is true for an administrator whatever the bits say.
    return !(permissions & anyWriteBit) || !(permissions & QFileDevice::WriteUser);
}

Outcome saveWholeFile(const QString& path, QByteArrayView bytes) {
    // QSaveFile gives the new file the old one's permissions and writes through a symbolic
    // link to its target; the tests hold it to both.
    QSaveFile file(path);
    // Never fall back to writing in place: a crash then would leave half a file.
    file.setDirectWriteFallback(false);
    const bool opened = file.open(QIODevice::WriteOnly);
    // On a full disk a write can come up short with no error set, and commit() would flush the
    // last buffered bytes without checking that it could: it would rename a cut-off file over
    // the original and report success. Check the count, flush first, and check again.
    const bool written = opened && file.write(bytes.data(), bytes.size()) == bytes.size() &&
                         file.flush() && file.error() == QFileDevice::NoError;
    // commit() syncs the temporary file to disk and renames it over the original.
    if (written && file.commit())
        return {};
    Outcome failure = Outcome::of(saveFailure(file.error()), path, file.errorString());
    // A full disk is known by the room left, while the cut-off temporary file still takes it.
    if (opened && !written && QStorageInfo(path).bytesAvailable() < bytes.size())
        failure.status = Status::DiskFull;
    file.cancelWriting();
    return failure;
}

} // namespace wed
