// Writes the sample game folder: make-sample-game <folder>
#include "sample_game.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: make-sample-game <folder>\n";
        return 2;
    }
    const QString error = wed::sample::writeSampleGame(args[1]);
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
