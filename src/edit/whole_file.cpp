#include "edit/whole_file.h"

#include "base/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace wed {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

FileOutcome failure(FileStatus status, const QString& message) {
    return {status, message};
}

// Why a save failed, in words for the user; the error codes are all QSaveFile tells.
QString saveFailureReason(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("无法在文件所在的文件夹中建立临时文件（文件夹可能没有写入权限）");
    case QFileDevice::ResourceError:
        return QStringLiteral("磁盘空间不足");
    case QFileDevice::RenameError:
        return QStringLiteral("无法用新内容替换原文件（文件可能被其他程序占用）");
    default:
        return QStringLiteral("写入磁盘失败（磁盘可能已满或已被移除）");
    }
}

} // namespace

FileBytes readWholeFile(const QString& path) {
    QString reason;
    std::optional<QByteArray> bytes = readFileBytes(path, &reason);
    if (bytes)
        return {{}, std::move(*bytes)};
    if (!QFile::exists(path))
        return {failure(FileStatus::Missing,
                        QStringLiteral("找不到文件“%1”，修改没有写入。").arg(shown(path))),
                {}};
    return {failure(FileStatus::ReadFailed,
                    QStringLiteral("无法读取文件“%1”：%2修改没有写入。").arg(shown(path), reason)),
            {}};
}

bool isWriteProtected(const QString& path) {
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    const auto anyWriteBit =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // WriteUser alone is true for an administrator whatever the bits say.
    return !(permissions & anyWriteBit) || !(permissions & QFileDevice::WriteUser);
}

FileOutcome saveWholeFile(const QString& path, QByteArrayView bytes) {
    // QSaveFile gives the new file the old one's permissions and writes through a symbolic
    // link to its target; the tests hold it to both.
    QSaveFile file(path);
    // Never fall back to writing in place: a crash then would leave half a file.
    file.setDirectWriteFallback(false);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved)
        saved = file.write(bytes.data(), bytes.size()) == bytes.size();
    // commit() flushes, syncs the temporary file to disk and renames it over the original.
    if (saved)
        saved = file.commit();
    if (saved)
        return {};
    const QFileDevice::FileError error = file.error();
    file.cancelWriting();
    return failure(FileStatus::WriteFailed,
                   QStringLiteral("无法保存文件“%1”：%2。文件保持上一次保存的内容。")
                       .arg(shown(path), saveFailureReason(error)));
}

} // namespace wed
