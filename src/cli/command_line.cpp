#include "cli/command_line.h"

#include "app/outcome_text.h"
#include "app/program_title.h"
#include "base/code_page.h"
#include "base/language.h"
#include "cli/argument_reader.h"
#include "cli/commands.h"
#include "cli/completion.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/rule_commands.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <span>

namespace wed::cli {
namespace {

struct Help {
    Q_DECLARE_TR_FUNCTIONS(Help)
};

int help(const Request&, CommandOutput& output);

// The window's version is its caption's; printed here, it needs no display.
int version(const Request&, CommandOutput& output) {
    output.out += windowCaption().toUtf8() + '\n';
    return kDone;
}

// Every command: its name, its usage line and what it does (both for the help), how many
// arguments it takes, the options it takes ("nth=" takes a value, "json" is a flag), and
// what runs it.
struct Command {
    const char* name;
    const char* usage; // after "weapon-editor "
    const char* does;  // the help's lines, each indented
    qsizetype fewest;  // arguments
    qsizetype most;
    const char* options; // blank-separated
    int (*run)(const Request&, CommandOutput&);
};

constexpr std::array<Command, 14> kCommands{{
    {"list", QT_TRANSLATE_NOOP("Help", "list 游戏文件夹 [类别]"),
     QT_TRANSLATE_NOOP("Help", "按文件中的顺序列出物品（与窗口的物品列表相同），每个一行：\n"
                               "类别、编号、名字，用制表符分开。"),
     1, 2, "", listItems},
    {"get", QT_TRANSLATE_NOOP("Help", "get 游戏文件夹 物品 键 [--nth K]"),
     QT_TRANSLATE_NOOP("Help", "显示物品记录中这个键的完整的值。"), 3, 3, "nth=", getValue},
    {"set",
     QT_TRANSLATE_NOOP("Help", "set 游戏文件夹 物品 键 (值 | --calc 算式) [--nth K] [--dry-run]"),
     QT_TRANSLATE_NOOP(
         "Help", "修改物品这个键的值，规则和拒绝与在窗口中输入这个字段时相同；\n"
                 "物品可以是模式：* 和 ? 匹配编号中的任意几个和任意一个字符（weapon/shotgun_*）。\n"
                 "--calc 对值中的每个数做表格的算术：*1.1、+5 或 -5，保留原来的小数位数。\n"
                 "所有修改一次原子地保存；每个修改输出一行：物品、键、旧值、新值。\n"
                 "--dry-run 把修改作为补丁输出，不写入。"),
     3, 4, "nth= calc= dry-run", setValue},
    {"check", QT_TRANSLATE_NOOP("Help", "check 游戏文件夹 [--json]"),
     QT_TRANSLATE_NOOP(
         "Help", "检查游戏文件夹，每个问题一行：“文件:行: 说明”（整个文件的问题是“文件: 说明”）；\n"
                 "--json 时输出 JSON 数组，每项有 file、line（整个文件为 0）、code、message。\n"
                 "规则文件的检查也在其中，带上检查的代码；有规则文件时每项还有 severity，\n"
                 "规则的问题有 rule（规则文件和行）。只有警告时退出码是 0。"),
     1, 1, "json", checkFolder},
    {"diff", QT_TRANSLATE_NOOP("Help", "diff 原版文件夹 文件夹 [--json | --patch]"),
     QT_TRANSLATE_NOOP(
         "Help", "列出文件夹相对原版文件夹的修改，每个一行；--json 输出 JSON 数组，\n"
                 "--patch 输出补丁文件。两个文件夹的记录和名字记录相同时退出码是 0，不同时是 1，\n"
                 "读不了文件夹时是 3。"),
     2, 2, "json patch", diffFolders},
    {"apply",
     QT_TRANSLATE_NOOP("Help", "apply 文件夹 补丁 [--dry-run] [--skip-conflicts] [--rejects 文件]"),
     QT_TRANSLATE_NOOP(
         "Help", "把补丁应用到文件夹（三方合并：文件中是旧值才修改，已是新值就算完成）。\n"
                 "有冲突时什么都不写；--skip-conflicts 写入其余的修改，--rejects 把冲突的修改\n"
                 "写成补丁文件（没有冲突时是不含修改的补丁）。--dry-run 只列出将要做的修改。"),
     2, 2, "dry-run skip-conflicts rejects=", applyPatch},
    {"merge",
     QT_TRANSLATE_NOOP("Help", "merge 原版文件夹 模组... (--into 新文件夹 | --patch | --json) "
                               "[--strict] [--choices 文件]"),
     QT_TRANSLATE_NOOP(
         "Help", "合并模组列表：模组是游戏文件夹或补丁文件，按优先级从低到高排列，后面的胜出。\n"
                 "逐个键、记录、名字记录、位置和图片合并；每个冲突输出一行：物品、内容、\n"
                 "每个模组的值（= 表示与原版相同）、胜出的模组序号。--into 把合并结果写到\n"
                 "新的或空的文件夹（只写 weapon.cfg、Text/Weapon.txt 和 Images/weapon），\n"
                 "--patch 把合并结果作为相对原版的补丁输出，--json 输出每个决定（只有它时\n"
                 "什么都不写）。--strict 有冲突时什么都不写；--choices 文件：每行一个冲突\n"
                 "（它输出的那一行的前两列）、制表符和胜出的模组序号。\n"
                 "没有冲突时退出码是 0，有冲突时是 1（合并结果照样写出，除非 --strict）。"),
     2, 1 << 20, "into= patch strict json choices=", mergeCommand},
    {"export", QT_TRANSLATE_NOOP("Help", "export 文件夹 类别 [文件.csv]"),
     QT_TRANSLATE_NOOP("Help",
                       "把一个类别的物品写成 CSV 表格（UTF-8，带 BOM）；不给文件时写到标准输出。"),
     2, 3, "", exportSheet},
    {"import", QT_TRANSLATE_NOOP("Help", "import 文件夹 类别 文件.csv [--dry-run]"),
     QT_TRANSLATE_NOOP("Help",
                       "按 CSV 表格修改物品：按引用对行，按标题或键对列，规则与在表格中输入相同；\n"
                       "有任何问题时什么都不写。--dry-run 只列出将要做的修改。"),
     3, 3, "dry-run", importSheet},
    {"columns", QT_TRANSLATE_NOOP("Help", "columns 文件夹 类别 [--json | --csv]"),
     QT_TRANSLATE_NOOP("Help",
                       "列出一个类别的物品，每个一行：引用、名字、各字段和规则的计算列，\n"
                       "用制表符分开；--json 输出 JSON 数组，--csv 输出与 export 相同的表格。"),
     2, 2, "json csv", listColumns},
    {"run", QT_TRANSLATE_NOOP("Help", "run 文件夹 配方 [--dry-run] [--patch]"),
     QT_TRANSLATE_NOOP("Help",
                       "运行规则文件中的配方，像 set 一样一次原子地保存它的所有修改，\n"
                       "每个修改输出一行：物品、键、旧值、新值；配方有任何问题时什么都不写。\n"
                       "--dry-run 只列出修改，--patch 把修改作为补丁输出，都不写入。"),
     2, 2, "dry-run patch", runRecipe},
    {"rules", QT_TRANSLATE_NOOP("Help", "rules 文件夹"),
     QT_TRANSLATE_NOOP("Help",
                       "列出规则文件定义的计算列、检查和配方（文件:行），以及规则文件的错误；\n"
                       "有错误时退出码是 1。"),
     1, 1, "", listRules},
    {"help", "help", QT_TRANSLATE_NOOP("Help", "显示本帮助。"), 0, 1, "", help},
    {"--version", "--version", QT_TRANSLATE_NOOP("Help", "显示版本。"), 0, 0, "", version},
}};

// Commands the help leaves out: the shell's completion asks for item references, and the
// build makes the manual page from the help's own table.
constexpr std::array<Command, 2> kHiddenCommands{{
    {"complete", "complete [FOLDER PREFIX]", "", 0, 2, "", completeWords},
    {"manual", "manual", "", 0, 0, "", printManual},
}};

// Whether the command takes the option, and whether the option takes a value.
bool takes(const Command& command, QStringView option, bool& withValue) {
    for (const QString& name :
         QString::fromLatin1(command.options).split(u' ', Qt::SkipEmptyParts)) {
        withValue = name.endsWith(u'=');
        if (option == (withValue ? QStringView(name).chopped(1) : QStringView(name)))
            return true;
    }
    return false;
}

const Command* commandNamed(QStringView name) {
    if (name == u"--help" || name == u"-h")
        name = u"help";
    for (const std::span<const Command> table :
         {std::span<const Command>(kCommands), std::span<const Command>(kHiddenCommands)})
        for (const Command& command : table)
            if (name == QLatin1StringView(command.name))
                return &command;
    return nullptr;
}

HelpEntry entryOf(const Command& command) {
    return {Help::tr(command.usage), Help::tr(command.does).split(u'\n')};
}

QString usageLine(const Command& command) {
    return QStringLiteral("  weapon-editor ") + Help::tr(command.usage) + u'\n';
}

QString described(const HelpEntry& entry) {
    QString text = QStringLiteral("  weapon-editor ") + entry.usage + u'\n';
    for (const QString& line : entry.lines)
        text += QStringLiteral("      ") + line + u'\n';
    return text;
}

// The help: the window's ways in, then the commands as their table has them.
QString helpText() {
    const HelpParts parts = helpParts();
    QString text = parts.window + described(parts.version);
    text += Help::tr("\n第一个参数是下面的命令时，不开窗口，在命令行完成：\n\n");
    for (const HelpEntry& entry : parts.commands)
        text += described(entry);
    return text + parts.notes;
}

// The program's own options, found anywhere before "--": each one's value (empty for none
// given), and the one that lacks its value, if any.
struct ProgramOptions {
    QString codePage; // --code-page
    QString language; // --lang
    QString lacking;
};

ProgramOptions takeOut(QStringList& arguments) {
    ProgramOptions options;
    takeValueOptions(arguments, {u"code-page", u"lang"},
                     [&](QStringView name, const QString& value) {
                         (name == u"lang" ? options.language : options.codePage) = value;
                         // Missing, or given as "": no value names a code page or a language.
                         if (value.isEmpty())
                             options.lacking = QStringLiteral("--") + name.toString();
                     });
    return options;
}

int help(const Request&, CommandOutput& output) {
    output.out += helpText().toUtf8();
    return kDone;
}

} // namespace

HelpParts helpParts() {
    HelpParts parts;
    parts.window = Help::tr("  weapon-editor [游戏文件夹]\n"
                            "      打开编辑器窗口；给出游戏文件夹时，打开其中的 weapon.cfg。\n");
    parts.version = entryOf(kCommands.back());
    for (const Command& command : std::span(kCommands).first(kCommands.size() - 1))
        parts.commands.push_back(entryOf(command));
    parts.notes =
        Help::tr(
            "\n"
            "物品写成“类别/编号”，类别是 weapon、armor 或 implant，例如 weapon/heand。\n"
            "几条记录编号相同时，--nth K 选按文件顺序的第 K 条（从 1 数起），默认第一条；\n"
            "也可以写成“类别/编号#K”，例如 weapon/dup#2。编号中的 #、*、? 和 \\ 写成\n"
            "\\#、\\*、\\? 和 \\\\。\n"
            "键是 weapon.cfg 中的键，例如 Cost、Damage、Class。\n"
            "补丁文件、模组列表和 CSV 表格的格式见 README。合并几个模组用 merge。\n"
            "--code-page 代码页：按这个代码页读写 weapon.cfg 和 Weapon.txt，可以写在命令行的\n"
            "任何位置，窗口和每个命令都一样。代码页是 %1 之一；\n"
            "默认是系统的 ANSI 代码页（Windows 以外是 GBK）。\n"
            "--lang en：界面、帮助和消息用英文（--lang zh 用中文，这是默认），同样可以写在\n"
            "任何位置。\n"
            "以 - 开头的值（例如负数）照常写；写在 -- 之后的参数都不作选项。\n"
            "要在窗口中打开名字和命令相同的文件夹，请写成路径，例如 ./list。\n"
            "\n"
            "输出是 UTF-8，消息写到标准错误。\n"
            "退出码：0 成功；1 操作被拒绝，或 check 发现了问题；2 用法错误；3 输出无法写出。\n")
            .arg(codePageNames().join(Help::tr("、"))) +
        Help::tr("\n"
                 "游戏文件夹中的 weapon-rules.lua 是模组的规则（Lua）：计算列、检查和配方。\n"
                 "--rules 文件：再读这个规则文件（可以写多次，按顺序读），--base 原版文件夹：\n"
                 "规则中 item.base 读的文件夹；两者都可以写在任何位置。diff 和 apply 不用规则。\n"
                 "规则文件有错误时，命令照常进行，错误写到标准错误。\n");
    return parts;
}

QStringList commandWords() {
    QStringList words;
    for (const Command& command : std::span(kCommands).first(kCommands.size() - 1)) {
        QString line = QLatin1StringView(command.name);
        for (QString option : QString::fromLatin1(command.options).split(u' ', Qt::SkipEmptyParts))
            line += QStringLiteral(" --") + option.remove(u'=');
        words.append(line);
    }
    return words;
}

QString commandUsage(QStringView name) {
    if (name == u"weapon-editor")
        return Help::tr("  weapon-editor [--base 原版文件夹] [--rules 规则文件]... [--code-page "
                        "代码页] [--lang en]\n"
                        "                [游戏文件夹]\n");
    const Command* command = commandNamed(name);
    return usageLine(command ? *command : kCommands[kCommands.size() - 2]);
}

bool takeProgramOptions(QStringList& arguments, CommandOutput& output) {
    const ProgramOptions options = takeOut(arguments);
    // The language first, so that a message about the code page is in it.
    if (options.lacking == u"--lang" ||
        (!options.language.isEmpty() && !chooseLanguage(options.language)))
        return misused(CommandStatus::BadLanguage, options.language, output), false;
    if (options.lacking == u"--code-page" ||
        (!options.codePage.isEmpty() && !chooseCodePage(options.codePage)))
        return misused(CommandStatus::BadCodePage, options.codePage, output), false;
    return true;
}

bool isCommand(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    takeOut(arguments);
    QStringList rules;
    QString base;
    takeRuleOptions(arguments, rules, base);
    return !arguments.isEmpty() && commandNamed(arguments.first());
}

int runCommand(QStringList arguments, CommandOutput& output) {
    if (!takeProgramOptions(arguments, output))
        return kMisused;
    QStringList rules;
    QString base;
    const bool ruleOptions = takeRuleOptions(arguments, rules, base);
    const Command* command = arguments.isEmpty() ? nullptr : commandNamed(arguments.first());
    if (!command)
        return misused(CommandStatus::UnknownCommand, arguments.value(0), output);
    if (!ruleOptions)
        return misused(CommandStatus::BadArguments, QLatin1StringView(command->name), output);
    Request request{QLatin1StringView(command->name), {}, 1, false, {}, rules, base};
    bool helpAsked = false;
    const auto kindOf = [&](QStringView name) {
        bool withValue = false;
        if (!takes(*command, name, withValue))
            return OptionKind::None;
        return withValue ? OptionKind::Value : OptionKind::Flag;
    };
    const bool read = readArguments(arguments.sliced(1), kindOf, [&](const Argument& argument) {
        if (argument.kind != OptionKind::None) {
            // A flag takes no value; an option that takes one needs it.
            if (argument.kind == OptionKind::Flag ? argument.joined : !argument.value)
                return false;
            request.options.insert(argument.text, argument.value.value_or(QString()));
        } else if (!argument.afterEnd && (argument.text == u"--help" || argument.text == u"-h")) {
            helpAsked = true;
        } else if (!argument.end) {
            request.arguments.append(argument.text);
        }
        return true;
    });
    if (!read)
        return misused(CommandStatus::BadArguments, request.command, output);
    request.json = request.options.contains(QStringLiteral("json"));
    if (request.options.contains(QStringLiteral("nth"))) {
        const QString count = request.options.value(QStringLiteral("nth"));
        bool number = false;
        request.nth = count.toInt(&number);
        if (!number || request.nth < 1)
            return misused(CommandStatus::BadCount, count, output);
    }
    if (helpAsked) {
        output.out += commandUsage(request.command).toUtf8();
        return kDone;
    }
    if (request.arguments.size() < command->fewest || request.arguments.size() > command->most)
        return misused(CommandStatus::BadArguments, request.command, output);
    // Another process saved between the command's read and its save: read the folder again and
    // plan anew on top of that change, once.
    const CommandOutput before = output;
    const int status = command->run(request, output);
    if (!output.changedSinceRead)
        return status;
    output = before;
    return command->run(request, output);
}

std::optional<WindowArguments> windowArguments(QStringList arguments, CommandOutput& output) {
    if (!takeProgramOptions(arguments, output))
        return std::nullopt;
    WindowArguments window;
    QStringList folders;
    QString unknown; // an option the window does not take
    const auto kindOf = [](QStringView name) {
        return name == u"base" || name == u"rules" ? OptionKind::Value : OptionKind::None;
    };
    const bool read = readArguments(arguments, kindOf, [&](const Argument& argument) {
        if (argument.kind != OptionKind::None) {
            const QString value = argument.value.value_or(QString());
            if (argument.text != u"rules") {
                window.base = value;
                return argument.value.has_value();
            }
            window.rules.append(value);
            return !value.isEmpty();
        }
        if (argument.end)
            return true;
        if (!argument.afterEnd && argument.text.startsWith(u'-') && argument.text.size() > 1) {
            unknown = argument.text;
            return false;
        }
        folders.append(argument.text);
        return true;
    });
    if (!unknown.isEmpty())
        return misused(CommandStatus::UnknownCommand, unknown, output), std::nullopt;
    if (!read)
        return misused(CommandStatus::BadArguments, QStringLiteral("weapon-editor"), output),
               std::nullopt;
    if (folders.size() > 1 || (!window.base.isEmpty() && folders.isEmpty()))
        return misused(CommandStatus::BadArguments, QStringLiteral("weapon-editor"), output),
               std::nullopt;
    window.folder = folders.value(0);
    return window;
}

int deliver(const CommandOutput& output, int status) {
    if (!writeOut(output.out)) {
        const QString failed = describe(CommandStatus::OutputFailed, qt_error_string(errno));
        writeErr(output.err + (failed + u'\n').toUtf8());
        return kOutputFailed;
    }
    return writeErr(output.err) ? status : kOutputFailed;
}

namespace {

// The program's arguments after its name. On Unix they are bytes, and Qt's decoding of them
// drops a byte-order mark at the start of each: a value typed with one would lose it unseen.
// Decoded keeping it, it is refused as the other invisible characters are.
QStringList argumentsAfterName(int argc, char** argv) {
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments().mid(1);
#else
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QStringDecoder(QStringConverter::System,
                                        QStringConverter::Flag::ConvertInitialBom)(argv[i]));
    return arguments;
#endif
}

} // namespace

int runCommandLine(int argc, char** argv, Console console) {
    QCoreApplication application(argc, argv);
    setUpConsole(console);
    const QStringList arguments = argumentsAfterName(argc, argv);
    CommandOutput output;
    return deliver(output, runCommand(arguments, output));
}

} // namespace wed::cli
