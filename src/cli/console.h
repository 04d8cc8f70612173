#pragma once

#include <QByteArrayView>

namespace wed::cli {

// Which console a command's output reaches when it is not redirected to a file or a pipe.
enum class Console {
    Parent, // a GUI program (weapon-editor.exe): the console of the program that started it
    Own,    // a console program (weapon-editor.com): its own, which cmd.exe waits on
};

// Makes standard output and error reach the user. On Windows a GUI program has no console of
// its own: the streams that are not redirected go to the parent's console. Either console is
// switched to UTF-8 until the program ends. Elsewhere there is nothing to do.
void setUpConsole(Console console);

// Writes bytes (UTF-8) whole to standard output, or to standard error; false when they could
// not all be written (a full disk, a closed pipe), with errno saying why.
bool writeOut(QByteArrayView bytes);
bool writeErr(QByteArrayView bytes);

} // namespace wed::cli
