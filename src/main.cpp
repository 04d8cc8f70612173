#include "app/outcome_text.h"
#include "app/title_animation.h"
#include "cli/command_line.h"
#include "window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

// With a command as its first argument the program runs the command and opens no window; on
// Windows, as a GUI program, it writes to the console of the program that started it.
// Otherwise it opens its window, on the process's current folder or on a game folder given as
// the one argument; closing the window ends it.
int main(int argc, char** argv) {
    if (wed::cli::isCommand(argc, argv))
        return wed::cli::runCommandLine(argc, argv, wed::cli::Console::Parent);
    QApplication app(argc, argv);
    QApplication::setApplicationName(wed::titleText());
    QApplication::setApplicationVersion(QStringLiteral(WED_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("GAME_FOLDER"),
                                 QStringLiteral("游戏文件夹（含 weapon.cfg），可省略。"),
                                 QStringLiteral("[GAME_FOLDER]"));
    parser.process(app);

    wed::Form1 window;
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        const wed::Outcome started = window.openGameFolder(parser.positionalArguments().front());
        if (started.tell()) {
            std::fprintf(stderr, "%s\n", wed::describe(started).toUtf8().constData());
            window.report(started);
        }
    }
    return app.exec();
}
