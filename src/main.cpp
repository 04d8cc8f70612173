#include "app/outcome_text.h"
#include "app/program_title.h"
#include "base/language.h"
#include "cli/command_line.h"
#include "cli/console.h"
#include "window/form1.h"
#include "window/qt_chinese.h"

#include <QApplication>
#include <cstdio>

// With a command as its first argument the program runs the command and opens no window; on
// Windows, as a GUI program, it writes to the console of the program that started it.
// Otherwise it opens its window, on the process's current folder or on a game folder given as
// the one argument; closing the window ends it.
int main(int argc, char** argv) {
    if (wed::cli::isCommand(argc, argv))
        return wed::cli::runCommandLine(argc, argv, wed::cli::Console::Parent);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    wed::cli::CommandOutput output;
    const std::optional<wed::cli::WindowArguments> start =
        wed::cli::windowArguments(arguments, output);
    if (!start) {
        wed::cli::setUpConsole(wed::cli::Console::Parent);
        wed::cli::writeErr(output.err);
        return wed::cli::kMisused;
    }
    QApplication app(argc, argv);
    // Before any window or dialog, and before the help text, which Qt writes in part. In
    // English, Qt's own texts are its source texts.
    wed::installWindowLanguage();
    QApplication::setApplicationName(wed::titleText());
    QApplication::setApplicationVersion(QStringLiteral(WED_VERSION));

    wed::Form1 window;
    window.show();
    window.documentRules().setExtraFiles(start->rules);
    const auto tell = [&window](const QString& words) {
        std::fprintf(stderr, "%s\n", words.toUtf8().constData());
        window.message(words);
    };
    if (!start->folder.isEmpty())
        if (const std::optional<wed::WindowRefusal> refusal = window.openGameFolder(start->folder))
            tell(wed::describe(*refusal));
    if (!start->base.isEmpty())
        if (const wed::Outcome compared = window.compareWith(start->base); compared.tell())
            tell(wed::describe(compared));
    return app.exec();
}
