#include "game/plan_keys.h"

#include "data/item_fields.h"
#include "data/value_check.h"
#include "edit/line_splices.h"

namespace wed {

void KeyPass::typed(size_t i) {
    const Change& change = s_.changes[i];
    const qsizetype header = s_.headerOf(i);
    if (header < 0)
        return s_.refuse(planRefusal(Status::NoSuchItem, change.item, refText(change.item)));
    const QString key = QString::fromLatin1(change.key);
    const int field = fieldOfKey(change.item.category, key);
    if (field < 0)
        return s_.refuse(planRefusal(Status::NotAField, change.item, key));
    const qsizetype line =
        s_.game.keyLine(change.item.category, header, change.key, change.keyOccurrence);
    if (line < 0)
        return s_.refuse(planRefusal(Status::NoSuchKey, change.item, key));
    if (Outcome broken = loneLineBreakIn(s_.items(), line, s_.game.itemFilePath()); !broken.done())
        return s_.refuse(std::move(broken));
    const QByteArray& made = typedLines_[i];
    ChangeResult& result = s_.plan.results[i];
    result.current = s_.items().lineBytes(line).sliced(change.key.size() + 1).toByteArray();
    result.written = made.sliced(change.key.size() + 1);
    if (result.current == result.written)
        result.state = ChangeState::AlreadyThere;
    // Every save of a typed value ends the file with a line end, as a rewrite of a line
    // always has.
    if (!finalLineEnd_ && !s_.items().bytes().endsWith(kCrLf)) {
        finalLineEnd_ = true;
        s_.add(GameFile::Items, {s_.items().bytes().size(), {}, kCrLf}, i);
    }
    s_.add(GameFile::Items, replaceLines(s_.items(), line, line, {made}), i);
}

void KeyPass::key(size_t i) {
    const Change& change = s_.changes[i];
    const QByteArray& key = change.key;
    if (key.isEmpty() || key.contains('=') || holdsLineBreak(key) || isRecordHeaderLine(key + '='))
        return s_.refuse(planRefusal(Status::NotOwnKey, change.item, decodeAnsi(key)));
    if (change.now && holdsLineBreak(*change.now))
        return s_.refuse(planRefusal(Status::LineBreakInValue, change.item));
    const qsizetype header = s_.headerOf(i);
    if (header < 0) {
        s_.plan.results[i].state = ChangeState::Conflict;
        return;
    }
    const qsizetype line = s_.game.keyLine(change.item.category, header, key, change.keyOccurrence);
    std::optional<QByteArray> current;
    if (line >= 0)
        current = s_.items().lineBytes(line).sliced(key.size() + 1).toByteArray();
    if (!current && !follows(i, change.item, change.key, change.keyOccurrence, header))
        return void(s_.plan.results[i].state = ChangeState::Conflict);
    if (!s_.threeWay(i, current, change.base, change.now))
        return;
    if (!change.now)
        return s_.add(GameFile::Items, removeLines(s_.items(), line, line), i);
    QByteArray text;
    text.reserve(key.size() + 1 + change.now->size());
    text.append(key).append('=').append(*change.now);
    if (line >= 0)
        return s_.add(GameFile::Items, replaceLines(s_.items(), line, line, {text}), i);
    s_.add(GameFile::Items,
           insertLinesAfter(s_.items(), lastKeyLine(change.item.category, header), {text}), i);
}

// Whether a key line added as the key's occurrence-th line in its record would be that:
// the record, or a change of the set before it, has the one before. Otherwise it would be
// an earlier one, and a second apply would add it again.
bool KeyPass::follows(size_t i, const ItemRef& item, const QByteArray& key, int occurrence,
                      qsizetype header) const {
    if (occurrence < 2 || s_.game.keyLine(item.category, header, key, occurrence - 1) >= 0)
        return true;
    return std::any_of(s_.changes.begin(), s_.changes.begin() + qsizetype(i), [&](const Change& c) {
        return c.kind == ChangeKind::Key && c.keyOccurrence == occurrence - 1 && c.key == key &&
               c.item == item;
    });
}

// Where a new key line goes: after the record's last line before its end line.
qsizetype KeyPass::lastKeyLine(CategoryId category, qsizetype header) const {
    const qsizetype last = s_.game.recordLast(category, header);
    return last > header &&
                   isRecordEndLine(s_.items().lineBytes(last), categoryFields(category).endRule)
               ? last - 1
               : last;
}

} // namespace wed
