#include "base/same_file.h"

#include <QFileInfo>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace wed {
namespace {

// Two existing files or folders are one: the same device and node where the system has them,
// the same canonical path (which names the target of every link) ignoring case on Windows.
bool sameEntry(const QString& a, const QString& b) {
#ifdef _WIN32
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() &&
           canonicalA.compare(QFileInfo(b).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#else
    struct stat sa, sb;
    return stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
#endif
}

} // namespace

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo infoA(a), infoB(b);
    if (infoA.exists() && infoB.exists())
        return sameEntry(a, b);
    return infoA.fileName().compare(infoB.fileName(), Qt::CaseInsensitive) == 0 &&
           sameEntry(infoA.absolutePath(), infoB.absolutePath());
}

} // namespace wed
