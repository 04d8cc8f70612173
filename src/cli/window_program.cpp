#include "cli/window_program.h"

#include "cli/command_line.h"
#include "cli/command_status.h"
#include "cli/console.h"

#include <algorithm>

#ifdef _WIN32
#include <QDir>
#include <QFileInfo>
#include <string>
#include <windows.h>
#endif

namespace wed::cli {
namespace {

bool needsQuotes(const QString& argument) {
    return argument.isEmpty() || std::any_of(argument.begin(), argument.end(), [](QChar c) {
               return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'"';
           });
}

} // namespace

QString windowsCommandLine(const QStringList& arguments) {
    QString line;
    for (const QString& argument : arguments) {
        if (!line.isEmpty())
            line += u' ';
        if (!needsQuotes(argument)) {
            line += argument;
            continue;
        }
        // Backslashes stand for themselves, except before a quote: there each is doubled,
        // and one more makes the quote a character of the argument.
        line += u'"';
        qsizetype backslashes = 0;
        for (const QChar c : argument) {
            if (c == u'\\') {
                ++backslashes;
                continue;
            }
            line += QString(c == u'"' ? 2 * backslashes + 1 : backslashes, u'\\') + c;
            backslashes = 0;
        }
        line += QString(2 * backslashes, u'\\') + u'"';
    }
    return line;
}

#ifdef _WIN32
namespace {

QString systemReason(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = QString::fromWCharArray(text).trimmed();
    LocalFree(text);
    return reason;
}

// The arguments this program was given, after its own path, as Windows has them (Unicode).
QStringList ownArguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 1; i < count; ++i)
        arguments.append(QString::fromWCharArray(words[i]));
    LocalFree(words);
    return arguments;
}

// weapon-editor.exe in this program's folder.
QString windowProgram() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return QDir::toNativeSeparators(
        QFileInfo(QString::fromWCharArray(self, int(length))).absolutePath() +
        QStringLiteral("/weapon-editor.exe"));
}

} // namespace

int handOverToWindow() {
    const QString program = windowProgram();
    std::wstring line = windowsCommandLine(QStringList{program} + ownArguments()).toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.toStdWString().c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &started)) {
        const QString reason = systemReason(GetLastError());
        setUpConsole(Console::Own);
        writeErr((describe(CommandStatus::NotStarted, program, reason) + u'\n').toUtf8());
        return kRefused;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return kDone;
}
#else
int handOverToWindow() {
    CommandOutput output;
    runCommand({QStringLiteral("help")}, output);
    writeErr(output.out);
    return kMisused;
}
#endif

} // namespace wed::cli
