#pragma once

#include "cli/console.h"

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

namespace wed::cli {

// Exit statuses of a command.
inline constexpr int kDone = 0;    // done; a check found nothing
inline constexpr int kRefused = 1; // refused, or a check found problems
inline constexpr int kMisused = 2; // the arguments are not as the command's usage says
// The output could not be written (standard output, or a file the command writes), or diff
// could not read a folder: the command cannot give its answer.
inline constexpr int kOutputFailed = 3;

// What a command printed: its output and its messages, both UTF-8.
struct CommandOutput {
    QByteArray out;
    QByteArray err;
    bool changedSinceRead = false; // refused: a game file changed between its read and its save
};

// The program's own options, which may stand anywhere before "--", in the window's arguments
// and a command's: --code-page NAME (the game files' code page). Takes them out of the
// arguments and acts on them; false, with the message written, when one is not as the usage
// says.
bool takeProgramOptions(QStringList& arguments, CommandOutput& output);

// True when the program's first argument (its own options left out) is a command ("list", "get",
// "set", "check", "help",
// "--help"): the program then runs it and opens no window. A folder of such a name is opened in
// the window when written as a path ("./list").
bool isCommand(int argc, char** argv);

// Runs the command the arguments name (without the program's own name) and returns its exit
// status. Every message is the user's words for an outcome.
// The program's own options may stand among them.
int runCommand(QStringList arguments, CommandOutput& output);

// The window's arguments (the program's, without its name, when no command is given): the
// game folder to open, the base folder to compare it with (--base BASE), each empty for
// none, and the rules files to read after the folder's own (--rules FILE, repeatable); none, with
// the message written, when they are not as the usage says. The program's own options are acted on.
struct WindowArguments {
    QString folder;
    QString base;
    QStringList rules;
};
std::optional<WindowArguments> windowArguments(QStringList arguments, CommandOutput& output);

// The help's parts, in the interface's language: the window's way in, the version's entry, each
// command's usage and lines, and the notes after them. The help and the manual page are made
// from them.
struct HelpEntry {
    QString usage; // after "weapon-editor "
    QStringList lines;
};
struct HelpParts {
    QString window;
    HelpEntry version;
    std::vector<HelpEntry> commands;
    QString notes;
};
HelpParts helpParts();

// Each command the help lists but "help" and "--version": its name, then its options ("--nth").
QStringList commandWords();

// One command's usage line ("list", "get", "set", "check", any other: "help").
QString commandUsage(QStringView command);

// Writes what a command printed, its output then its messages, and returns its exit status:
// the command's own, or kOutputFailed, with a message where one can still be written, when
// either could not be written whole. Every command's output goes through here.
int deliver(const CommandOutput& output, int status);

// A program's way in for a command: a core application (no window, no display needed), the
// console set up as the program's kind needs, the command run and what it printed written out.
int runCommandLine(int argc, char** argv, Console console);

} // namespace wed::cli
