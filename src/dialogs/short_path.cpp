#include "dialogs/short_path.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QDir>
#include <vector>
#include <windows.h>
#endif

namespace wed {

#ifdef Q_OS_WIN
// Asks for the needed length first, so that no path is cut to a fixed buffer; the wide call
// keeps names that the ANSI code page cannot hold.
QString shortPathName(const QString& path) {
    const std::wstring longPath = QDir::toNativeSeparators(path).toStdWString();
    DWORD needed = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    while (needed > 0) {
        std::vector<wchar_t> buffer(needed);
        const DWORD length = GetShortPathNameW(longPath.c_str(), buffer.data(), needed);
        if (length < needed)
            return QString::fromWCharArray(buffer.data(), int(length));
        needed = length; // the path changed between the calls: ask again with the new size
    }
    return QString();
}
#else
QString shortPathName(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QString();
}
#endif

} // namespace wed
