#include "base/path_case.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace wed {

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

#ifdef Q_OS_WIN
// Windows file systems ignore letter case themselves: the path as written finds the file.
QString resolvePathIgnoringCase(const QString& folder, const QString& relative) {
    return joinPath(folder, relative);
}
#else
namespace {

// The entry of the folder whose name equals the wanted one ignoring case, or the wanted one.
QString matchEntry(const QString& folder, const QString& wanted) {
    const QString exact = joinPath(folder, wanted);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    return exact;
}

} // namespace

QString resolvePathIgnoringCase(const QString& folder, const QString& relative) {
    QString path = folder;
    for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts))
        path = matchEntry(path, part);
    return path.isEmpty() ? joinPath(folder, relative) : path;
}
#endif

} // namespace wed
