#include "cli/command_line.h"

#include "app/outcome_text.h"
#include "app/title_animation.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QCoreApplication>
#include <array>
#include <cstring>

namespace wed::cli {
namespace {

struct Command {
    const char* name;
    qsizetype fewest; // arguments
    qsizetype most;
    bool nth;  // takes --nth
    bool json; // takes --json
    int (*run)(const Request&, CommandOutput&);
};

int help(const Request&, CommandOutput& output) {
    output.out += commandHelp().toUtf8();
    return kDone;
}

// The window's caption holds the version; printed here, it needs no display.
int version(const Request&, CommandOutput& output) {
    output.out += windowCaption().toUtf8() + '\n';
    return kDone;
}

constexpr std::array<Command, 6> kCommands{{
    {"list", 1, 2, false, false, listItems},
    {"get", 3, 3, true, false, getValue},
    {"set", 4, 4, true, false, setValue},
    {"check", 1, 1, false, true, checkFolder},
    {"help", 0, 1, false, false, help},
    {"--version", 0, 0, false, false, version},
}};

const Command* commandNamed(QStringView name) {
    if (name == u"--help" || name == u"-h")
        name = u"help";
    for (const Command& command : kCommands)
        if (name == QLatin1StringView(command.name))
            return &command;
    return nullptr;
}

} // namespace

bool isCommand(int argc, char** argv) {
    return argc > 1 && commandNamed(QString::fromLocal8Bit(argv[1]));
}

int runCommand(const QStringList& arguments, CommandOutput& output) {
    const Command* command = arguments.isEmpty() ? nullptr : commandNamed(arguments.first());
    if (!command)
        return misused(Status::UnknownCommand, arguments.value(0), output);
    Request request{QLatin1StringView(command->name), {}, 1, false};
    bool options = true; // until "--"
    bool helpAsked = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (options && argument == u"--") {
            options = false;
        } else if (options && (argument == u"--help" || argument == u"-h")) {
            helpAsked = true;
        } else if (options && command->json && argument == u"--json") {
            request.json = true;
        } else if (options && command->nth &&
                   (argument == u"--nth" || argument.startsWith(u"--nth="))) {
            const bool joined = argument.startsWith(u"--nth=");
            if (!joined && i + 1 == arguments.size())
                return misused(Status::BadArguments, request.command, output);
            const QString count = joined ? argument.mid(6) : arguments[++i];
            bool number = false;
            request.nth = count.toInt(&number);
            if (!number || request.nth < 1)
                return misused(Status::BadCount, count, output);
        } else {
            request.arguments.append(argument);
        }
    }
    if (helpAsked) {
        output.out += commandUsage(request.command).toUtf8();
        return kDone;
    }
    if (request.arguments.size() < command->fewest || request.arguments.size() > command->most)
        return misused(Status::BadArguments, request.command, output);
    return command->run(request, output);
}

int runCommandLine(int argc, char** argv, Console console) {
    QCoreApplication application(argc, argv);
    setUpConsole(console);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    CommandOutput output;
    const int status = runCommand(arguments, output);
    writeOut(output.out);
    writeErr(output.err);
    return status;
}

} // namespace wed::cli
