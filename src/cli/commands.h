#pragma once

#include "base/outcome.h"
#include "cli/command_line.h"
#include "cli/command_status.h"
#include "game/game_data.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace wed::cli {

// A command line taken apart: the command, its arguments in order, and its options.
struct Request {
    QString command;
    QStringList arguments;
    int nth = 1;                     // --nth K: the K-th record of an id, from 1
    bool json = false;               // --json
    QHash<QString, QString> options; // every other option given: its value, or "" for a flag
    QStringList rules;               // --rules FILE, in order
    QString base;                    // --base FOLDER, for rules that read item.base

    bool has(const char* option) const { return options.contains(QLatin1StringView(option)); }
    QString value(const char* option) const { return options.value(QLatin1StringView(option)); }
};

// Prints the user's words for an outcome as a message and returns the exit status: a refusal
// (1), or arguments not as the usage says (2).
int refused(Outcome outcome, CommandOutput& output);
int misused(Status status, const QString& detail, CommandOutput& output);
int misused(CommandStatus status, const QString& detail, CommandOutput& output);

// Reads a game folder for a command that finds items (a name file missing, unreadable or empty
// is refused), or for one that compares or exports (a missing or empty name file holds no
// name records); the refusal, with nothing written.
Outcome readGame(GameData& game, const QString& folder);
Outcome readFolder(GameData& game, const QString& folder);

// The commands, each given arguments in the number its usage has.
int listItems(const Request& request, CommandOutput& output);
int getValue(const Request& request, CommandOutput& output);
int setValue(const Request& request, CommandOutput& output);
int checkFolder(const Request& request, CommandOutput& output);
// Change sets (change_commands.cpp).
int diffFolders(const Request& request, CommandOutput& output);
int applyPatch(const Request& request, CommandOutput& output);
int exportSheet(const Request& request, CommandOutput& output);
int importSheet(const Request& request, CommandOutput& output);
// The merge of a mod list (merge_command.cpp).
int mergeCommand(const Request& request, CommandOutput& output);

} // namespace wed::cli
