#include "app/title_animation.h"
#include "cli/command_line.h"
#include "window/form1.h"

#include <QApplication>

// With a command as its first argument the program runs the command and opens no window.
// Otherwise it opens its window on the process's current folder, and closing the window ends it.
int main(int argc, char** argv) {
    if (wed::cli::isCommand(argc, argv))
        return wed::cli::runCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(wed::titleText());
    wed::Form1 window;
    window.show();
    return app.exec();
}
