#include "app/title_animation.h"
#include "window/form1.h"

#include <QApplication>

// The editor has no command line and no settings: it opens its window on the process's
// current folder, and closing the window ends it.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(wed::titleText());
    wed::Form1 window;
    window.show();
    return app.exec();
}
