#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace wed::test {

// The tests' texts are Chinese in the ANSI code page: GBK here, and on Windows the system's,
// which must then be 936 (scripts/test-windows runs Wine with it). Says so when it is not.
inline bool chineseCodePage() {
#ifdef _WIN32
    if (GetACP() != 936) {
        std::fprintf(stderr,
                     "The tests need code page 936, not %u (under Wine: LC_ALL=zh_CN.UTF-8).\n",
                     GetACP());
        return false;
    }
#endif
    return true;
}

// Whether Qt will find the platform plugin QT_QPA_PLATFORM names. Else Qt on Windows shows a
// message box that, in a run without a console, nobody closes: say it and stop first.
inline bool platformPluginFound() {
#ifdef _WIN32
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(u':', 0, 0);
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    QStringList folders = QCoreApplication::libraryPaths(); // without the program's own folder
    folders.append(QFileInfo(QString::fromWCharArray(program, int(length))).absolutePath());
    for (const QString& folder : folders)
        if (QFileInfo::exists(folder + QStringLiteral("/platforms/q") + platform + ".dll"))
            return true;
    std::fprintf(stderr, "No Qt platform plugin \"%s\" in %s (set QT_PLUGIN_PATH).\n",
                 qPrintable(platform), qPrintable(folders.join(QStringLiteral(", "))));
    return false;
#else
    return true;
#endif
}

} // namespace wed::test
