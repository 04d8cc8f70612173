#include "cli/manual_page.h"

#include "cli/commands.h"

#include <QCoreApplication>

namespace wed::cli {
namespace {

struct Manual {
    Q_DECLARE_TR_FUNCTIONS(Manual)
};

// A text as roff reads it literally: backslashes and minus signs escaped, and a line that
// begins with a dot or an apostrophe kept from being read as a request.
QString literal(QString text) {
    text.replace(u'\\', QStringLiteral("\\e")).replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// Lines kept as the help breaks them (the help's lines are short already, and roff cannot
// break Chinese text between words it does not see).
QString lines(const QStringList& texts) {
    QString page = QStringLiteral(".nf\n");
    for (const QString& text : texts)
        page += literal(text.trimmed()) + u'\n';
    return page + QStringLiteral(".fi\n");
}

QString section(const QString& title) {
    return QStringLiteral(".SH \"") + title + QStringLiteral("\"\n");
}

QString synopsis(const HelpParts& parts) {
    QString page = section(Manual::tr("用法")) + QStringLiteral(".nf\n");
    page += literal(commandUsage(u"weapon-editor").trimmed()) + u'\n';
    for (const HelpEntry& entry : parts.commands)
        page += literal(QStringLiteral("weapon-editor ") + entry.usage) + u'\n';
    page += literal(QStringLiteral("weapon-editor ") + parts.version.usage) + u'\n';
    return page + QStringLiteral(".fi\n");
}

QString commands(const HelpParts& parts) {
    QString page = section(Manual::tr("命令"));
    std::vector<HelpEntry> entries = parts.commands;
    entries.push_back(parts.version);
    for (const HelpEntry& entry : entries)
        page += QStringLiteral(".TP\n.B ") + literal(entry.usage) + u'\n' + lines(entry.lines);
    return page;
}

QString files() {
    return section(Manual::tr("文件")) +
           lines(Manual::tr("游戏文件夹中的 weapon.cfg：武器、装甲和晶体的数据。\n"
                            "游戏文件夹中的 Text/Weapon.txt：物品的名字和说明。\n"
                            "游戏文件夹中的 Images/weapon/*.tga：物品的图片。\n"
                            "两个数据文件按游戏的代码页读写（--code-page），每次修改原子地保存。")
                     .split(u'\n'));
}

QString examples() {
    const QString text =
        Manual::tr("列出一个游戏文件夹的武器：\n"
                   "    weapon-editor list ~/game weapon\n"
                   "把所有霰弹枪的价格提高 10%，先看将要做的修改：\n"
                   "    weapon-editor set ~/game 'weapon/shotgun_*' Cost --calc '*1.1' --dry-run\n"
                   "把模组和原版的差异写成补丁，再应用到另一个文件夹：\n"
                   "    weapon-editor diff ~/original ~/mod --patch > mod.patch\n"
                   "    weapon-editor apply ~/game mod.patch\n"
                   "用英文界面打开编辑器窗口，与原版比较：\n"
                   "    weapon-editor --lang en --base ~/original ~/game");
    QString page = section(Manual::tr("例子"));
    for (const QString& line : text.split(u'\n'))
        page += line.startsWith(u' ') ? QStringLiteral(".RS\n.nf\n") + literal(line.trimmed()) +
                                            QStringLiteral("\n.fi\n.RE\n")
                                      : QStringLiteral(".PP\n") + literal(line) + u'\n';
    return page;
}

} // namespace

QString manualPage() {
    const HelpParts parts = helpParts();
    QString page = QStringLiteral(".TH WEAPON\\-EDITOR 1 %1 \"weapon\\-editor %2\" \"%3\"\n")
                       .arg(QStringLiteral(WED_RELEASE_DATE), QStringLiteral(WED_VERSION),
                            Manual::tr("用户命令"));
    page += section(Manual::tr("名称")) +
            Manual::tr("weapon\\-editor \\- 编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据\n");
    page += synopsis(parts);
    page +=
        section(Manual::tr("描述")) +
        lines(Manual::tr("不给命令时打开编辑器窗口：每个字段的修改立刻原子地保存到游戏文件中，\n"
                         "文件中其余的字节保持原样。给出命令时，不开窗口，在命令行完成。")
                  .split(u'\n'));
    page += commands(parts);
    page += section(Manual::tr("说明")) + lines(parts.notes.split(u'\n'));
    return page + files() + examples();
}

int printManual(const Request&, CommandOutput& output) {
    output.out += manualPage().toUtf8();
    return kDone;
}

} // namespace wed::cli
