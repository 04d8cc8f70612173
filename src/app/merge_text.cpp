#include "app/merge_text.h"

#include "base/code_page.h"
#include "game/patch_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>

namespace wed {
namespace {

struct MergeWords {
    Q_DECLARE_TR_FUNCTIONS(MergeWords)
};

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A value as one column: the patch's escapes, "\e" for empty, "\-" and "\=" for a value that is
// just "-" or "=" (which stand for none and for the base's value).
QString column(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("\\e");
    if (text == u"-" || text == u"=")
        return u'\\' + text;
    return withTabAndBreakEscapes(text);
}

QString linesText(const Lines& lines) {
    QStringList texts;
    for (const QByteArray& line : lines)
        texts.append(decodeAnsi(line));
    return texts.join(u'\n');
}

QString placeText(const MergeDecision& decision, const std::optional<ItemRef>& after) {
    if (!after)
        return QStringLiteral("-");
    return decision.what == MergeWhat::NameMove || decision.what == MergeWhat::Names
               ? QStringLiteral("<%1>").arg(after->id)
               : refText(*after);
}

bool placed(const MergeDecision& decision) {
    return decision.what == MergeWhat::Move || decision.what == MergeWhat::NameMove;
}

// A picture as a value: its file's bytes, named by the start of their SHA-1 and their size,
// the same on every system.
QString pictureText(const MergeValue& value) {
    return QStringLiteral("sha1:%1:%2")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(value.pictureBytes, QCryptographicHash::Sha1)
                .toHex()
                .left(12)))
        .arg(value.pictureBytes.size());
}

QString valueColumn(const MergeDecision& decision, const MergeValue& value) {
    if (!value.changed)
        return QStringLiteral("=");
    if (decision.what == MergeWhat::Picture)
        return pictureText(value);
    if (placed(decision))
        return column(placeText(decision, value.after));
    return value.lines ? column(linesText(*value.lines)) : QStringLiteral("-");
}

QJsonValue valueJson(const MergeDecision& decision, const MergeValue& value) {
    if (decision.what == MergeWhat::Picture)
        return value.changed ? pictureText(value) : QJsonValue();
    if (placed(decision))
        return value.after ? placeText(decision, value.after) : QJsonValue();
    return value.lines ? linesText(*value.lines) : QJsonValue();
}

} // namespace

QString describeInputFault(const MergeInputCheck& check) {
    switch (check.fault) {
    case MergeInputFault::SameMod:
        return MergeWords::tr("“%1”和“%2”是同一个模组，列表中只能有一次。")
            .arg(native(check.path), native(check.other));
    case MergeInputFault::ModIsBase:
        return MergeWords::tr("“%1”就是原版文件夹，不能作为模组。").arg(native(check.path));
    case MergeInputFault::OutNotEmpty:
        return MergeWords::tr("“%1”已经存在且不是空文件夹；合并结果只写到新的或空的文件夹。")
            .arg(native(check.path));
    case MergeInputFault::OutInside:
        return MergeWords::tr("“%1”在输入“%2”之中；合并结果不能写到输入的文件夹里。")
            .arg(native(check.path), native(check.other));
    case MergeInputFault::None:
        break;
    }
    return {};
}

QString describeModListFault(const ModListRead& read, const QString& path) {
    const QString where = read.line > 0 ? QStringLiteral("%1:%2: ").arg(native(path)).arg(read.line)
                                        : native(path) + QStringLiteral(": ");
    switch (read.fault) {
    case ModListFault::NotUtf8:
        return where + MergeWords::tr("文件不是 UTF-8 文本。");
    case ModListFault::FirstLine:
        return where + MergeWords::tr("第一行应为“weapon-editor mod list 1”，这不是模组列表文件。");
    case ModListFault::BadLine:
        return where + MergeWords::tr("这一行应为“base”或“mod”、制表符和路径。");
    case ModListFault::NoBase:
        return where + MergeWords::tr("模组列表应有且只有一行“base”（原版文件夹）。");
    case ModListFault::BadChoice:
        return where + MergeWords::tr("选择应为“物品、制表符、内容、制表符、模组的序号”，"
                                      "序号从 1 数起，且列表中有这个模组。");
    case ModListFault::MissingMod:
        return where + MergeWords::tr("“%1”不存在。").arg(native(read.path));
    case ModListFault::None:
        break;
    }
    return {};
}

QString describeNotCarried(const NotCarried& item, const QString& modPath) {
    const QString mod = MergeWords::tr("模组 %1（%2）").arg(item.mod + 1).arg(native(modPath));
    const QString file = item.file == GameFile::Items ? QStringLiteral("weapon.cfg")
                                                      : QStringLiteral("Text/Weapon.txt");
    const QString where = item.line > 0         ? QStringLiteral("%1:%2").arg(file).arg(item.line)
                          : item.item.isEmpty() ? file
                                                : item.item;
    switch (item.why) {
    case NotCarriedWhy::Undecodable:
        return MergeWords::tr("%1 %2：有游戏文件的编码无法识别的字节，这个修改没有带进合并结果。")
            .arg(mod, where);
    case NotCarriedWhy::LoneLineBreak:
        return MergeWords::tr("%1 %2：有单独的回车符或换行符，这个修改没有带进合并结果。")
            .arg(mod, where);
    case NotCarriedWhy::OutsideLines:
        break;
    }
    return MergeWords::tr("%1 %2：记录之外的行（注释、空行）与原版不同，合并结果用原版的这些行。")
        .arg(mod, file);
}

QString describeOtherVersion(const MergeDecision& decision, int mod, const QString& modPath) {
    return MergeWords::tr("模组 %1（%2）的“%3”是为另一个版本做的：它的原值与原版文件夹不符，"
                          "没有应用。")
        .arg(mod + 1)
        .arg(native(modPath), QString(conflictName(decision)).replace(u'\t', u' '));
}

QString describeUnusedChoice(const ChoiceUnused& choice) {
    return MergeWords::tr("选择“%1 → %2”没有用上：合并中没有这个冲突，或这个模组不能在其中胜出。")
        .arg(QString(choice.name).replace(u'\t', u' '))
        .arg(choice.mod + 1);
}

QString mergeNotes(const MergeResult& result, const std::vector<ModSource>& sources) {
    QString text;
    for (const NotCarried& item : result.notCarried)
        text += describeNotCarried(item, sources[size_t(item.mod)].path) + u'\n';
    for (const MergeDecision& decision : result.decisions)
        for (size_t m = 0; m < decision.mods.size(); ++m)
            if (decision.mods[m].otherVersion)
                text += describeOtherVersion(decision, int(m), sources[m].path) + u'\n';
    for (const ChoiceUnused& choice : result.unusedChoices)
        text += describeUnusedChoice(choice) + u'\n';
    return text;
}

QString describeRole(const MergeDecision& decision, int mod) {
    const MergeValue& value = decision.mods[size_t(mod)];
    if (!value.changed)
        return MergeWords::tr("与原版相同");
    if (value.otherVersion)
        return MergeWords::tr("为另一个版本做的修改，未应用");
    if (decision.conflict())
        return decision.loses(mod) ? MergeWords::tr("冲突中落选") : MergeWords::tr("冲突中胜出");
    return decision.status == MergeStatus::Same ? MergeWords::tr("与另一个模组相同")
                                                : MergeWords::tr("只有这个模组修改");
}

QString decisionLine(const MergeDecision& decision) {
    QString line = conflictName(decision);
    for (const MergeValue& value : decision.mods)
        line += u'\t' + valueColumn(decision, value);
    return line + u'\t' + QString::number(decision.winner + 1);
}

QJsonObject decisionJson(const MergeDecision& decision) {
    static const char* const whats[] = {"key", "record", "add", "move", "names", "move", "picture"};
    static const char* const statuses[] = {"single", "same", "conflict"};
    const QStringList name = conflictName(decision).split(u'\t');
    QJsonObject object{{"what", whats[int(decision.what)]}, {"item", name[0]}};
    if (decision.what == MergeWhat::Key)
        object.insert("key", name[1]);
    object.insert("base", valueJson(decision, decision.base));
    QJsonArray mods;
    for (const MergeValue& value : decision.mods) {
        QJsonObject mod{{"changed", value.changed}};
        if (value.changed) {
            mod.insert("value", valueJson(decision, value));
            if (value.otherVersion)
                mod.insert("otherVersion", true);
        }
        mods.append(mod);
    }
    object.insert("mods", mods);
    object.insert("status", statuses[int(decision.status)]);
    object.insert("winner", decision.winner + 1);
    object.insert("chosen", decision.chosen);
    return object;
}

} // namespace wed
