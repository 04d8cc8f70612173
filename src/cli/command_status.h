#pragma once

#include <QString>

namespace wed::cli {

// What went wrong with the command line itself: the command, its arguments and options, the
// output, or the window's program it hands over to. The model's statuses are in
// base/outcome.h, worded in src/app; these are the command line's own, worded here.
enum class CommandStatus {
    UnknownCommand, // detail: the word given where a command was expected
    BadArguments,   // detail: the command whose arguments are not as its usage says
    BadCategory,    // detail: the text given, which is no category name
    BadCount,       // detail: the text given for --nth, which is no number from 1 up
    BadCodePage,    // detail: the text given for --code-page, which names no code page it knows
    BadLanguage,    // detail: the text given for --lang, which is neither "zh" nor "en"
    FolderMissing,  // detail: a folder that does not exist
    NotStarted,     // detail: the window's program, which could not start; reason: why
    OutputFailed,   // detail: the system's reason; standard output could not be written
};

// The user's words for it, in the interface's language.
QString describe(CommandStatus status, const QString& detail, const QString& reason = {});

} // namespace wed::cli
