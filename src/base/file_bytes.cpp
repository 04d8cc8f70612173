#include "base/file_bytes.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

FileRead readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {failure(file), {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {failure(file), {}};
    return {{}, std::move(bytes)};
}

} // namespace wed
