#include "cli/command_line.h"

#include "app/outcome_text.h"
#include "app/title_animation.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QCoreApplication>
#include <array>

namespace wed::cli {
namespace {

int help(const Request&, CommandOutput& output);

// The window's version is its caption's; printed here, it needs no display.
int version(const Request&, CommandOutput& output) {
    output.out += windowCaption().toUtf8() + '\n';
    return kDone;
}

// Every command: its name, its usage line and what it does (both for the help), how many
// arguments it takes, the options it takes, and what runs it.
struct Command {
    const char* name;
    const char* usage; // after "weapon-editor "
    const char* does;  // the help's lines, each indented
    qsizetype fewest;  // arguments
    qsizetype most;
    bool nth;  // takes --nth
    bool json; // takes --json
    int (*run)(const Request&, CommandOutput&);
};

constexpr std::array<Command, 6> kCommands{{
    {"list", "list 游戏文件夹 [类别]",
     "按文件中的顺序列出物品（与窗口的物品列表相同），每个一行：\n"
     "类别、编号、名字，用制表符分开。",
     1, 2, false, false, listItems},
    {"get", "get 游戏文件夹 物品 键 [--nth K]", "显示物品记录中这个键的完整的值。", 3, 3, true,
     false, getValue},
    {"set", "set 游戏文件夹 物品 键 值 [--nth K]",
     "修改物品这个键的值，规则和拒绝与在窗口中输入这个字段时相同；\n"
     "只替换 weapon.cfg 中的一行，原子地保存。",
     4, 4, true, false, setValue},
    {"check", "check 游戏文件夹 [--json]",
     "检查游戏文件夹，每个问题一行：“文件:行: 说明”（整个文件的问题是“文件: 说明”）；\n"
     "--json 时输出 JSON 数组，每项有 file、line（整个文件为 0）、code、message。",
     1, 1, false, true, checkFolder},
    {"help", "help", "显示本帮助。", 0, 1, false, false, help},
    {"--version", "--version", "显示版本。", 0, 0, false, false, version},
}};

const Command* commandNamed(QStringView name) {
    if (name == u"--help" || name == u"-h")
        name = u"help";
    for (const Command& command : kCommands)
        if (name == QLatin1StringView(command.name))
            return &command;
    return nullptr;
}

QString usageLine(const Command& command) {
    return QStringLiteral("  weapon-editor ") + QString::fromUtf8(command.usage) + u'\n';
}

QString described(const Command& command) {
    QString text = usageLine(command);
    for (const QString& line : QString::fromUtf8(command.does).split(u'\n'))
        text += QStringLiteral("      ") + line + u'\n';
    return text;
}

// The help: the window's ways in, then the commands as their table has them.
QString helpText() {
    QString text = QStringLiteral("  weapon-editor [游戏文件夹]\n"
                                  "      打开编辑器窗口；给出游戏文件夹时，打开其中的 weapon.cfg。\n");
    text += described(kCommands.back());
    text += QStringLiteral("\n第一个参数是下面的命令时，不开窗口，在命令行完成：\n\n");
    for (const Command& command : kCommands)
        if (&command != &kCommands.back())
            text += described(command);
    return text + QStringLiteral(
                      "\n"
                      "物品写成“类别/编号”，类别是 weapon、armor 或 implant，例如 weapon/heand。\n"
                      "几条记录编号相同时，--nth K 选按文件顺序的第 K 条（从 1 数起），默认第一条；\n"
                      "也可以写成“类别/编号#K”，例如 weapon/dup#2。编号中的 #、*、? 和 \\ 写成\n"
                      "\\#、\\*、\\? 和 \\\\。\n"
                      "键是 weapon.cfg 中的键，例如 Cost、Damage、Class。\n"
                      "以 - 开头的值（例如负数）照常写；写在 -- 之后的参数都不作选项。\n"
                      "要在窗口中打开名字和命令相同的文件夹，请写成路径，例如 ./list。\n"
                      "\n"
                      "输出是 UTF-8，消息写到标准错误。\n"
                      "退出码：0 成功；1 操作被拒绝，或 check 发现了问题；2 用法错误。\n");
}

int help(const Request&, CommandOutput& output) {
    output.out += helpText().toUtf8();
    return kDone;
}

} // namespace

QString commandUsage(QStringView name) {
    const Command* command = commandNamed(name);
    return usageLine(command ? *command : kCommands[4]);
}

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

std::optional<QString> windowFolder(const QStringList& arguments, CommandOutput& output) {
    QStringList folders;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == u"--")
            options = false;
        else if (options && argument.startsWith(u'-') && argument.size() > 1)
            return misused(Status::UnknownCommand, argument, output), std::nullopt;
        else
            folders.append(argument);
    }
    if (folders.size() > 1) {
        misused(Status::BadArguments, QStringLiteral("weapon-editor"), output);
        return std::nullopt;
    }
    return folders.value(0);
}

int runCommandLine(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    attachParentConsole();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    CommandOutput output;
    const int status = runCommand(arguments, output);
    writeOut(output.out);
    writeErr(output.err);
    return status;
}

} // namespace wed::cli
