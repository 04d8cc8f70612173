#include "base/file_bytes.h"

#include <QFile>
#include <QFileInfo>

namespace wed {
namespace {

QString reasonFor(const QFile& file) {
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return QStringLiteral("文件不存在。");
    if (info.isDir())
        return QStringLiteral("这是一个文件夹，不是文件。");
    if (!info.isReadable())
        return QStringLiteral("没有读取权限。");
    return QStringLiteral("读取失败（%1）。").arg(file.errorString());
}

} // namespace

std::optional<QByteArray> readFileBytes(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = reasonFor(file);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = reasonFor(file);
        return std::nullopt;
    }
    return bytes;
}

} // namespace wed
