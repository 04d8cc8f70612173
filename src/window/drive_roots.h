#pragma once

#include <QString>
#include <QStringList>

namespace wed {

// The roots the drive list offers: the drives on Windows, the mounted file systems elsewhere.
// Each root is an absolute folder path with '/' separators that ends in '/'.
QStringList driveRoots();

// The root among driveRoots() that holds the path (the longest one that is a prefix of it).
QString driveOf(const QString& path, const QStringList& roots);

// The text the drive list shows for a root.
QString driveLabel(const QString& root);

// False when the drive cannot be read now (no medium, unmounted, no permission).
bool driveReady(const QString& root);

} // namespace wed
