#pragma once

#include "base/outcome.h"

#include <QByteArrayView>
#include <QString>

namespace wed {

// True when the file's permission bits allow no writing, or the running user may not write it.
// The bits are judged themselves so that a read-only file is refused for an administrator too.
bool isWriteProtected(const QString& path);

// The file a save of `path` replaces: a symbolic link's final target, so that the link stays a
// link.
QString saveTarget(const QString& path);

// Replaces the whole file atomically and durably: the bytes go to a temporary file in the same
// folder, which is synced to disk and renamed over the original, keeping its permissions; then
// the folder is synced, so that the rename survives a power cut too. A symbolic link stays:
// its target is replaced. On any failure the original keeps its last good content and the
// temporary file is removed.
Outcome saveWholeFile(const QString& path, QByteArrayView bytes);

} // namespace wed
