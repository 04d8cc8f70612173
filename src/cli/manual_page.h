#pragma once

#include "cli/command_line.h"

namespace wed::cli {

struct Request;

// The manual page (roff, man(7) macros) in the interface's language, made from the help's own
// table: the build runs "weapon-editor-cli manual" (a command the help leaves out) to make
// weapon-editor.1, so the page and the help cannot disagree.
QString manualPage();
int printManual(const Request& request, CommandOutput& output);

} // namespace wed::cli
