#pragma once

#include <QByteArrayView>

namespace wed::cli {

// Makes standard output and error reach the user. On Windows the program is a GUI program with
// no console of its own: the streams that are not redirected to a file or a pipe go to the
// console of the program that started it (cmd.exe), which is switched to UTF-8 until the
// program ends. Elsewhere there is nothing to do.
void attachParentConsole();

// Writes bytes (UTF-8) whole to standard output, or to standard error.
void writeOut(QByteArrayView bytes);
void writeErr(QByteArrayView bytes);

} // namespace wed::cli
