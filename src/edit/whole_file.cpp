#include "edit/whole_file.h"

#include <QFile>
#include <QSaveFile>

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
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved)
        saved = file.write(bytes.data(), bytes.size()) == bytes.size();
    // commit() would flush the last buffered bytes but not check that it could: on a full disk
    // it renames a cut-off file over the original and reports success. Flush first, and check.
    if (saved)
        saved = file.flush() && file.error() == QFileDevice::NoError;
    // commit() syncs the temporary file to disk and renames it over the original.
    if (saved)
        saved = file.commit();
    if (saved)
        return {};
    const Outcome failure = Outcome::of(saveFailure(file.error()), path, file.errorString());
    file.cancelWriting();
    return failure;
}

} // namespace wed
