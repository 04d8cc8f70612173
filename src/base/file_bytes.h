#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QString>

namespace wed {

struct FileRead {
    Outcome outcome; // Done, FileMissing, IsFolder, NotReadable or ReadFailed
    QByteArray bytes;
};

// Reads a file's bytes in one piece, unchanged.
FileRead readFile(const QString& path);

} // namespace wed
