#include "window/drive_roots.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace wed {
namespace {

QString withTrailingSlash(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QStringList driveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots.append(withTrailingSlash(drive.absoluteFilePath()));
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Bind mounts of single files (common in containers) are no folders to browse.
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir())
            roots.append(withTrailingSlash(volume.rootPath()));
    }
    // The file system of the current folder is always offered, even if the system hides it.
    roots.append(withTrailingSlash(QStorageInfo(QDir::currentPath()).rootPath()));
    roots.append(QStringLiteral("/"));
#endif
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    return roots;
}

QString driveOf(const QString& path, const QStringList& roots) {
    const QString folder = withTrailingSlash(QDir::cleanPath(path));
    QString best;
    for (const QString& root : roots)
        if (folder.startsWith(root, Qt::CaseInsensitive) && root.size() > best.size())
            best = root;
    return best;
}

QString driveLabel(const QString& root) {
#ifdef Q_OS_WIN
    // Windows shows a drive as its lower-case letter and colon, then its volume name.
    const QString name = QStorageInfo(root).name();
    const QString letter = root.left(2).toLower();
    return name.isEmpty() ? letter : QStringLiteral("%1 [%2]").arg(letter, name);
#else
    const QString device = QString::fromLocal8Bit(QStorageInfo(root).device());
    return device.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, device);
#endif
}

bool driveReady(const QString& root) {
    const QStorageInfo volume(root);
    return volume.isValid() && volume.isReady() && QDir(root).isReadable();
}

} // namespace wed
