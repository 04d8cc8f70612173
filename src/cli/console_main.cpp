// The command line as a program of its own: weapon-editor-cli, and on Windows weapon-editor.com,
// a console program, which cmd.exe finds before weapon-editor.exe and waits for. A command runs
// as in the window's program; without one, the window's program takes over.
#include "cli/command_line.h"
#include "cli/window_program.h"

int main(int argc, char** argv) {
    if (wed::cli::isCommand(argc, argv))
        return wed::cli::runCommandLine(argc, argv, wed::cli::Console::Own);
    return wed::cli::handOverToWindow();
}
