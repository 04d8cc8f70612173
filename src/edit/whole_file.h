#pragma once

#include "base/outcome.h"

#include <QByteArrayView>
#include <QString>

namespace wed {

// True when the file's permission bits allow no writing, or the running user may not write it.
// The bits are judged themselves so that a read-only file is refused for an administrator too.
bool isWriteProtected(const QString& path);

// Replaces the whole file atomically: the bytes go to a temporary file in the same folder,
// which is flushed to disk and renamed over the original, keeping its permissions. On any
// failure the original keeps its last good content.
Outcome saveWholeFile(const QString& path, QByteArrayView bytes);

} // namespace wed
