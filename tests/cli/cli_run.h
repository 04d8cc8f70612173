#pragma once

#include "cli/command_line.h"
#include "support/temp_game.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <unistd.h>
#endif

namespace wed::test {

// What a command printed and its exit status.
struct Ran {
    int status = -1;
    QString out;
    QString err;
};

// Runs a command in this process.
inline Ran run(const QStringList& arguments) {
    cli::CommandOutput output;
    const int status = cli::runCommand(arguments, output);
    return {status, QString::fromUtf8(output.out), QString::fromUtf8(output.err)};
}

#ifdef WED_PROGRAM
// Runs the program itself (or another of the project's) with no display to open a window on; as
// the unprivileged user "nobody" when asked (this process must be able to drop its privileges).
inline Ran runProgram(const QStringList& arguments, bool unprivileged = false,
                      const char* program = WED_PROGRAM) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
#ifdef Q_OS_UNIX
    if (unprivileged)
        process.setChildProcessModifier([] {
            constexpr uid_t kNobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
                _exit(125);
        });
#else
    Q_UNUSED(unprivileged);
#endif
    process.start(QString::fromUtf8(program), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
#endif

} // namespace wed::test
