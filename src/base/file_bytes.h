#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace wed {

struct FileRead {
    Outcome outcome; // Done, FileMissing, IsFolder, NotReadable or ReadFailed
    QByteArray bytes;
};

// Reads a file's bytes in one piece, unchanged.
FileRead readFile(const QString& path);

struct FileMatch {
    Outcome outcome; // as readFile's
    bool same = false;
};

// Whether the file holds exactly these bytes. The file is compared piece by piece as it is
// read, so that no copy of a large file is made.
FileMatch fileHolds(const QString& path, QByteArrayView bytes);

} // namespace wed
