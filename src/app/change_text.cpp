#include "app/change_text.h"

#include "app/shown_words.h"
#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/name_record.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace wed {
namespace {

struct ChangeWords {
    Q_DECLARE_TR_FUNCTIONS(ChangeWords)
};

// Read when a text is made, so that it is in the language chosen by then.
QString none() {
    return ChangeWords::tr("（无）");
}

QString keyText(const Change& change) {
    QString key = decodeAnsi(change.key);
    if (change.keyOccurrence > 1)
        key += u'#' + QString::number(change.keyOccurrence);
    return key;
}

// The layout a name record is read by: that of the first item with its id, weapons first.
CategoryId nameLayout(const GameData& game, QStringView id) {
    for (const Category& c : categories())
        if (game.headerOf({c.id, id.toString(), 1}) >= 0)
            return c.id;
    return CategoryId::Weapon;
}

// A name record's name and description, by the layout of its items' category.
QString nameRecordText(const Lines& lines, CategoryId category) {
    const NameText text = nameTextOf(category, lines.size() - 1,
                                     [&](qsizetype k) { return decodeAnsi(lines[k + 1]); });
    return ChangeWords::tr("名字“%1”，说明“%2”")
        .arg(text.name.value_or(QString()), text.description.join(u'/'));
}

QString linesCount(const std::optional<Lines>& lines) {
    return lines ? QString::number(lines->size()) : QStringLiteral("0");
}

QJsonValue linesJson(const std::optional<Lines>& lines) {
    if (!lines)
        return QJsonValue::Null;
    QJsonArray array;
    for (const QByteArray& line : *lines)
        array.append(decodeAnsi(line));
    return array;
}

QJsonValue placeJson(const Change& change, const std::optional<ItemRef>& after) {
    if (!after)
        return QJsonValue::Null;
    return change.kind == ChangeKind::NameMove ? after->id : refText(*after);
}

QJsonValue valueJson(const std::optional<QByteArray>& value) {
    return value ? QJsonValue(decodeAnsi(*value)) : QJsonValue::Null;
}

} // namespace

QString placeText(const Change& change, const std::optional<ItemRef>& after) {
    if (!after)
        return ChangeWords::tr("最前面");
    return change.kind == ChangeKind::NameMove ? nameOpening(after->id) : refText(*after);
}

// What a change concerns within its item: the field's caption for a key of a field of the
// category, else the key ("#K" for the K-th line of it), or the kind of the change.
QString changeFieldText(const Change& change) {
    switch (change.kind) {
    case ChangeKind::Key: {
        const QString key = decodeAnsi(change.key);
        const int field = fieldOfKey(change.item.category, key);
        QString text =
            field >= 0
                ? shownCaption(categoryFields(change.item.category).fields[size_t(field)]).trimmed()
                : key;
        if (change.keyOccurrence > 1)
            text += u'#' + QString::number(change.keyOccurrence);
        return text;
    }
    case ChangeKind::Record:
        return ChangeWords::tr("整条记录");
    case ChangeKind::Add:
        return ChangeWords::tr("新增");
    case ChangeKind::Remove:
        return ChangeWords::tr("删除");
    case ChangeKind::Names:
        return ChangeWords::tr("名字记录");
    case ChangeKind::Move:
    case ChangeKind::NameMove:
        return ChangeWords::tr("位置");
    }
    return {};
}

QString valueText(const std::optional<QByteArray>& value) {
    return value ? ChangeWords::tr("“%1”").arg(decodeAnsi(*value)) : none();
}

QString describeChange(const Change& change, const GameData& names) {
    const QString item = refText(change.item);
    switch (change.kind) {
    case ChangeKind::Key:
        if (change.isTyped)
            return ChangeWords::tr("%1 %2：%3").arg(item, keyText(change), change.typed);
        return ChangeWords::tr("%1 %2：%3 → %4")
            .arg(item, keyText(change), valueText(change.base), valueText(change.now));
    case ChangeKind::Record:
        return ChangeWords::tr("%1：整条记录改变（%2 行 → %3 行）")
            .arg(item, linesCount(change.baseLines), linesCount(change.nowLines));
    case ChangeKind::Add:
        return change.after
                   ? ChangeWords::tr("新增 %1，在 %2 之后").arg(item, refText(*change.after))
                   : ChangeWords::tr("新增 %1，在文件开头").arg(item);
    case ChangeKind::Remove:
        return ChangeWords::tr("删除 %1").arg(item);
    case ChangeKind::Names: {
        const CategoryId layout = nameLayout(names, change.item.id);
        if (!change.baseLines)
            return ChangeWords::tr("新增名字记录 <%1>：%2")
                .arg(change.item.id, nameRecordText(*change.nowLines, layout));
        if (!change.nowLines)
            return ChangeWords::tr("删除名字记录 <%1>").arg(change.item.id);
        return ChangeWords::tr("名字记录 <%1>：%2 → %3")
            .arg(change.item.id, nameRecordText(*change.baseLines, layout),
                 nameRecordText(*change.nowLines, layout));
    }
    case ChangeKind::Move:
    case ChangeKind::NameMove:
        return ChangeWords::tr("移动 %1：从 %2 之后 → 到 %3 之后")
            .arg(change.kind == ChangeKind::Move ? item : nameOpening(change.item.id),
                 placeText(change, change.baseAfter), placeText(change, change.after));
    }
    return {};
}

QString sideText(const Change& change, const std::optional<QByteArray>& value,
                 const std::optional<Lines>& lines, const GameData& names) {
    if (change.kind == ChangeKind::Key)
        return value ? decodeAnsi(*value) : none();
    if (!lines)
        return none();
    if (change.kind == ChangeKind::Names)
        return nameRecordText(*lines, nameLayout(names, change.item.id));
    return ChangeWords::tr("%1 行").arg(lines->size());
}

QString describeConflict(const Change& change, const ChangeResult& result, const GameData& names) {
    QString now;
    if (change.kind == ChangeKind::Key)
        now = valueText(result.current);
    else if (isMove(change))
        now = ChangeWords::tr("在 %1 之后").arg(placeText(change, result.currentAfter));
    else if (!result.currentLines)
        now = none();
    else if (change.kind == ChangeKind::Names)
        now = nameRecordText(*result.currentLines, nameLayout(names, change.item.id));
    else
        now = ChangeWords::tr("%1 行").arg(result.currentLines->size());
    return ChangeWords::tr("冲突：%1；文件中现在是 %2").arg(describeChange(change, names), now);
}

QJsonObject changeJson(const Change& change) {
    static const char* const kinds[] = {"key", "record", "add", "remove", "names", "move", "move"};
    QJsonObject object{{"kind", kinds[int(change.kind)]}};
    if (change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove)
        object.insert("id", change.item.id);
    else
        object.insert("item", refText(change.item));
    if (change.kind == ChangeKind::Key) {
        object.insert("key", decodeAnsi(change.key));
        object.insert("occurrence", change.keyOccurrence);
        object.insert("base", valueJson(change.base));
        object.insert("new", valueJson(change.now));
        return object;
    }
    if (isMove(change)) {
        object.insert("base", placeJson(change, change.baseAfter));
        object.insert("new", placeJson(change, change.after));
        return object;
    }
    if (change.after)
        object.insert("after",
                      change.kind == ChangeKind::Names ? change.after->id : refText(*change.after));
    object.insert("base", linesJson(change.baseLines));
    object.insert("new", linesJson(change.nowLines));
    return object;
}

} // namespace wed
