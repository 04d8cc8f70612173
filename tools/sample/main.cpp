// Writes the sample game folder: make-sample-game [--cyrillic] <folder>
#include "sample_game.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    const bool cyrillic = args.removeAll(QStringLiteral("--cyrillic")) > 0;
    if (args.size() != 2) {
        err << "usage: make-sample-game [--cyrillic] <folder>\n";
        return 2;
    }
    using wed::sample::Edition;
    const QString error =
        wed::sample::writeSampleGame(args[1], cyrillic ? Edition::Cyrillic : Edition::Chinese);
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    return 0;
}
