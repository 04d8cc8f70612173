#pragma once

#include <QString>
#include <QStringList>

namespace wed::cli {

// The command line that gives a Windows program these arguments (the program's path first) as
// its C runtime and CommandLineToArgvW split it: an argument that is empty or holds a blank or
// a quote is quoted, its quotes escaped and the backslashes before them doubled.
QString windowsCommandLine(const QStringList& arguments);

// The console program's way without a command. On Windows it starts the window's program,
// weapon-editor.exe of its own folder, with its own arguments and current folder, and returns
// 0 at once (1 with a message when it cannot). Elsewhere the window's program is another one:
// it prints the help to standard error and returns 2.
int handOverToWindow();

} // namespace wed::cli
