// The item actions as change sets: each changes only the lines it concerns, in weapon.cfg and
// the name file.
#include "game/item_actions.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/name_record.h"
#include "edit/field_line.h"

namespace wed {
namespace {

Outcome refusal(Status status, QString detail = {}) {
    return Outcome::of(status, {}, std::move(detail));
}

// A refusal of a typed text, or done.
Outcome checkTyped(QStringView text) {
    if (holdsLineBreak(text))
        return refusal(Status::LineBreakInValue);
    if (const Outcome control = refuseControlCharacters(text); !control.done())
        return control;
    if (!encodeAnsi(text))
        return refusal(Status::Unencodable, firstUnencodable(text));
    return {};
}

Change nameChange(QStringView id, std::optional<Lines> base, std::optional<Lines> now,
                  std::optional<QString> after = std::nullopt) {
    Change change;
    change.kind = ChangeKind::Names;
    change.item.id = id.toString();
    change.baseLines = std::move(base);
    change.nowLines = std::move(now);
    if (after)
        change.after = ItemRef{CategoryId::Weapon, *after, 1};
    return change;
}

// The name record of `id` under another id: its lines with the opening line replaced.
Lines renamedNameRecord(Lines lines, const QByteArray& id) {
    lines.front() = nameOpening(id);
    return lines;
}

} // namespace

Outcome checkNewId(const GameData& game, CategoryId category, const QString& id) {
    if (id.isEmpty())
        return refusal(Status::IdEmpty);
    if (id.front().isSpace() || id.back().isSpace())
        return refusal(Status::IdBlankEdge);
    if (holdsLineBreak(id))
        return refusal(Status::IdLineBreak);
    if (id == QLatin1String(kSkillCostId) || excludedImplantNames().contains(id))
        return refusal(Status::IdReserved, id);
    if (const Outcome typed = checkTyped(id); !typed.done())
        return typed;
    if (game.headerOf({category, id, 1}) >= 0)
        return refusal(Status::IdTaken, id);
    return {};
}

ItemAction copyItem(const GameData& game, const ItemRef& source, const QString& newId) {
    ItemAction action;
    if (action.outcome = checkNewId(game, source.category, newId); !action.outcome.done())
        return action;
    const std::optional<Lines> record = game.recordLines(source);
    if (!record)
        return {refusal(Status::NoSuchItem, refText(source)), {}, {}};
    const QByteArray id = *encodeAnsi(newId);
    Lines copy = *record;
    copy.front() = category(source.category).headerPrefix + id;
    Change added;
    added.kind = ChangeKind::Add;
    added.item = {source.category, newId, 1};
    added.nowLines = copy;
    added.after = source;
    action.changes.push_back(added);
    if (game.nameRecord(newId).opening >= 0)
        action.outcome = Outcome::noticeOf(Status::NameRecordShared, {}, newId);
    else if (const std::optional<Lines> names = game.nameRecordLines(source.id))
        action.changes.push_back(
            nameChange(newId, std::nullopt, renamedNameRecord(*names, id), source.id));
    action.result = added.item;
    return action;
}

ItemAction removeItem(const GameData& game, const ItemRef& item) {
    const qsizetype header = game.headerOf(item);
    if (header < 0)
        return {refusal(Status::NoSuchItem, refText(item)), {}, {}};
    ItemAction action;
    Change removed;
    removed.kind = ChangeKind::Remove;
    removed.item = item;
    removed.baseLines = game.recordLines(item);
    action.changes.push_back(removed);
    if (const std::optional<Lines> names = game.nameRecordLines(item.id);
        names && !game.idUsedElsewhere(item.id, item.category, header))
        action.changes.push_back(nameChange(item.id, names, std::nullopt));
    return action;
}

ItemAction renameItem(const GameData& game, const ItemRef& item, const QString& newId) {
    ItemAction action;
    if (action.outcome = checkNewId(game, item.category, newId); !action.outcome.done())
        return action;
    const qsizetype header = game.headerOf(item);
    if (header < 0)
        return {refusal(Status::NoSuchItem, refText(item)), {}, {}};
    const QByteArray id = *encodeAnsi(newId);
    Change renamed;
    renamed.kind = ChangeKind::Record;
    renamed.item = item;
    renamed.baseLines = game.recordLines(item);
    renamed.nowLines = renamed.baseLines;
    renamed.nowLines->front() = category(item.category).headerPrefix + id;
    action.changes.push_back(renamed);
    const std::optional<Lines> names = game.nameRecordLines(item.id);
    if (game.nameRecord(newId).opening >= 0)
        action.outcome = Outcome::noticeOf(Status::NameRecordShared, {}, newId);
    else if (names && game.idUsedElsewhere(item.id, item.category, header))
        action.changes.push_back(
            nameChange(newId, std::nullopt, renamedNameRecord(*names, id), item.id));
    else if (names)
        action.changes.push_back(nameChange(item.id, names, renamedNameRecord(*names, id)));
    action.result = ItemRef{item.category, newId, 1};
    return action;
}

std::optional<NameRecordText> nameRecordText(const GameData& game, const ItemRef& item) {
    const NameRecordLines record = game.nameRecord(item.id);
    if (record.opening < 0)
        return std::nullopt;
    NameText read = nameTextOf(item.category, record.last - record.opening, [&](qsizetype k) {
        return game.names().line(record.opening + 1 + k);
    });
    return NameRecordText{read.name.value_or(QString()), std::move(read.description)};
}

ItemAction setNameRecordText(const GameData& game, const ItemRef& item,
                             const NameRecordText& text) {
    const std::optional<Lines> record = game.nameRecordLines(item.id);
    if (!record)
        return {refusal(Status::NoNameRecord, item.id), {}, {}};
    if (const Outcome checked = checkTyped(text.name); !checked.done())
        return {checked, {}, {}};
    Lines description;
    for (const QString& line : text.description) {
        if (line.isEmpty())
            return {refusal(Status::EmptyDescriptionLine), {}, {}};
        if (const Outcome checked = checkTyped(line); !checked.done())
            return {checked, {}, {}};
        description.append(*encodeAnsi(line));
    }

    const Lines lines = withNameText(*record, item.category, *encodeAnsi(text.name), description);
    return {{}, {nameChange(item.id, record, lines)}, item};
}

} // namespace wed
