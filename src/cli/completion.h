#pragma once

#include "cli/command_line.h"

namespace wed::cli {

struct Request;

// "complete", a command the help leaves out, for the shell's completion script, which so holds
// no knowledge of the commands' table or of the game's files:
// - without arguments, the words to offer, one a line: "command NAME OPTION…" for each command,
//   "category NAME" for each category and "option NAME" for each of the program's own options;
// - "complete FOLDER PREFIX": every item reference of the folder that begins with PREFIX, one a
//   line, in the categories' order and then file order.
// The shell shows what it prints in the user's command line, so nothing else is ever printed: a
// folder that cannot be read gives no line and a non-zero status, without a message.
int completeWords(const Request& request, CommandOutput& output);

} // namespace wed::cli
