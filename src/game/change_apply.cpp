// A change set worked out against the folder, change by change and three-way, into the byte
// changes that make it; then written in one save per file.
#include "game/game_data.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "edit/field_line.h"
#include "edit/line_splices.h"

#include <QHash>
#include <algorithm>

namespace wed {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

Outcome refusal(Status status, const ItemRef&, QString detail = {}) {
    return Outcome::of(status, {}, std::move(detail));
}

bool holdsLineBreak(QByteArrayView bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

// A change's byte change of one file, and the change it belongs to.
struct Edit {
    GameFile file;
    Splice splice;
    size_t change;
};

class Planner {
  public:
    Planner(const GameData& game, const ChangeSet& changes) : game_(game), changes_(changes) {}

    ApplyPlan run() {
        plan_.results.resize(changes_.size());
        for (size_t i = 0; i < changes_.size() && plan_.outcome.done(); ++i) {
            plan_.refusedAt = qsizetype(i);
            planChange(i);
        }
        if (!plan_.outcome.done())
            return std::move(plan_);
        plan_.refusedAt = -1;
        markOverlaps();
        order();
        return std::move(plan_);
    }

  private:
    const LineBuffer& items() const { return game_.items(); }
    const LineBuffer& names() const { return game_.names(); }

    void planChange(size_t i) {
        const Change& change = changes_[i];
        switch (change.kind) {
        case ChangeKind::Key:
            return change.isTyped ? planTyped(i) : planKey(i);
        case ChangeKind::Record:
        case ChangeKind::Add:
        case ChangeKind::Remove:
            return planRecord(i);
        case ChangeKind::Names:
            return planNames(i);
        }
    }

    // Three-way: the folder's bytes are the base (made), the new bytes (nothing to do), or
    // anything else (a conflict).
    template <typename T>
    bool threeWay(size_t i, const std::optional<T>& current, const std::optional<T>& base,
                  const std::optional<T>& now) {
        ChangeResult& result = plan_.results[i];
        if constexpr (std::is_same_v<T, QByteArray>)
            result.current = current;
        else
            result.currentLines = current;
        if (current == base && base != now)
            return true;
        result.state = current == now ? ChangeState::AlreadyThere : ChangeState::Conflict;
        return false;
    }

    void add(GameFile file, Splice splice, size_t change) {
        if (!splice.empty() && splice.removed != splice.inserted)
            edits_.push_back({file, std::move(splice), change});
    }

    // A value typed into the field of the key: the field's rules make the line.
    void planTyped(size_t i) {
        const Change& change = changes_[i];
        const qsizetype header = game_.headerOf(change.item);
        if (header < 0)
            return refuse(refusal(Status::NoSuchItem, change.item, refText(change.item)));
        const QString key = QString::fromLatin1(change.key);
        const int field = fieldOfKey(change.item.category, key);
        if (field < 0)
            return refuse(refusal(Status::NotAField, change.item, key));
        const qsizetype line =
            game_.keyLine(change.item.category, header, change.key, change.keyOccurrence);
        if (line < 0)
            return refuse(refusal(Status::NoSuchKey, change.item, key));
        FieldLine typed =
            fieldLine(categoryFields(change.item.category).fields[size_t(field)], change.typed);
        if (!typed.accepted())
            return refuse(typed.outcome);
        // Every save of a typed value ends the file with a line end, as a rewrite of a line
        // always has.
        if (!finalLineEnd_ && !items().bytes().endsWith(kCrLf)) {
            finalLineEnd_ = true;
            add(GameFile::Items, {items().bytes().size(), {}, kCrLf}, i);
        }
        add(GameFile::Items, replaceLines(items(), line, line, {typed.line}), i);
    }

    void planKey(size_t i) {
        const Change& change = changes_[i];
        const QByteArray& key = change.key;
        if (key.isEmpty() || key.contains('=') || holdsLineBreak(key) ||
            isRecordHeaderLine(key + '='))
            return refuse(refusal(Status::NotOwnKey, change.item, decodeAnsi(key)));
        if (change.now && holdsLineBreak(*change.now))
            return refuse(refusal(Status::LineBreakInValue, change.item));
        const qsizetype header = game_.headerOf(change.item);
        if (header < 0) {
            plan_.results[i].state = ChangeState::Conflict;
            return;
        }
        const qsizetype line =
            game_.keyLine(change.item.category, header, key, change.keyOccurrence);
        std::optional<QByteArray> current;
        if (line >= 0)
            current = items().lineBytes(line).sliced(key.size() + 1).toByteArray();
        if (!threeWay(i, current, change.base, change.now))
            return;
        if (!change.now)
            return add(GameFile::Items, removeLines(items(), line, line), i);
        const QByteArray text = key + '=' + *change.now;
        if (line >= 0)
            return add(GameFile::Items, replaceLines(items(), line, line, {text}), i);
        add(GameFile::Items,
            insertLinesAfter(items(), lastKeyLine(change.item.category, header), {text}), i);
    }

    // Where a new key line goes: after the record's last line before its end line.
    qsizetype lastKeyLine(CategoryId category, qsizetype header) const {
        const qsizetype last = game_.recordLast(category, header);
        return last > header &&
                       isRecordEndLine(items().lineBytes(last), categoryFields(category).endRule)
                   ? last - 1
                   : last;
    }

    // Whether the lines make one whole record of their own: a header line of the item's
    // category (or, for a name record, "<id>") first, then no line that would start another
    // record (or, in the name file, end this one).
    bool wholeRecord(const Change& change, const Lines& lines, bool names) {
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QByteArray& line = lines[k];
            if (holdsLineBreak(line)) {
                refuse(refusal(Status::LineBreakInValue, change.item));
                return false;
            }
            const bool wrong =
                names ? (k == 0 ? !(line.startsWith('<') && line.endsWith('>')) : line.isEmpty())
                      : (k == 0 ? headerCategory(line) != &category(change.item.category)
                                : isRecordHeaderLine(line));
            if (wrong) {
                refuse(refusal(Status::NotARecord, change.item, decodeAnsi(line)));
                return false;
            }
        }
        if (lines.isEmpty())
            refuse(refusal(Status::NotARecord, change.item));
        return !lines.isEmpty();
    }

    void planRecord(size_t i) {
        const Change& change = changes_[i];
        const std::optional<Lines>& lines = change.nowLines;
        if (lines && !wholeRecord(change, *lines, false))
            return;
        const CategoryId category = change.item.category;
        const qsizetype header = game_.headerOf(change.item);
        const std::optional<Lines> current = game_.recordLines(change.item);
        const std::optional<Lines> base =
            change.kind == ChangeKind::Add ? std::nullopt : change.baseLines;
        if (!threeWay(i, current, base, change.nowLines))
            return;
        if (change.kind == ChangeKind::Add) {
            const qsizetype place = placeOf(change);
            addedAfter_.insert(refText(change.item), place);
            return add(GameFile::Items, insertLinesAfter(items(), place, *lines), i);
        }
        const qsizetype last = game_.recordLast(category, header);
        if (!lines)
            return add(GameFile::Items, removeLines(items(), header, last), i);
        add(GameFile::Items, replaceLines(items(), header, last, *lines), i);
    }

    // The line an added record goes after: the end of the record it follows (or, for a record
    // the set adds, where that one goes), or of the last record of its category when that one
    // is missing; "first" goes before the first record.
    qsizetype placeOf(const Change& change) const {
        const CategoryId category = change.item.category;
        if (!change.after) {
            qsizetype first = items().lineCount();
            for (const Category& c : categories())
                if (!game_.itemIndex().headers(c.id).empty())
                    first = std::min(first, game_.itemIndex().headers(c.id).front());
            return first < items().lineCount() ? first - 1 : lastLineOf(items());
        }
        qsizetype header = game_.headerOf(*change.after);
        if (header < 0 && addedAfter_.contains(refText(*change.after)))
            return addedAfter_.value(refText(*change.after));
        if (header < 0 && !game_.itemIndex().headers(category).empty())
            header = game_.itemIndex().headers(category).back();
        return header < 0 ? lastLineOf(items()) : game_.recordLast(category, header);
    }

    void planNames(size_t i) {
        const Change& change = changes_[i];
        const std::optional<Lines>& lines = change.nowLines;
        if (lines && !wholeRecord(change, *lines, true))
            return;
        const NameRecordLines record = game_.nameRecord(change.item.id);
        if (!threeWay(i, game_.nameRecordLines(change.item.id), change.baseLines, change.nowLines))
            return;
        if (!lines)
            return add(GameFile::Names, removeNameRecord(record), i);
        if (record.opening >= 0)
            return add(GameFile::Names, replaceLines(names(), record.opening, record.last, *lines),
                       i);
        add(GameFile::Names, insertNameRecord(change, *lines), i);
    }

    // A name record's lines with the empty line that parts it from the next record, or, at the
    // end of the file, from the one before it, which an added record got (insertNameRecord).
    Splice removeNameRecord(const NameRecordLines& record) const {
        if (record.endedByEmptyLine)
            return removeLines(names(), record.opening, record.last + 1);
        const bool emptyBefore =
            record.opening > 0 && names().lineBytes(record.opening - 1).isEmpty();
        return removeLines(names(), record.opening - (emptyBefore ? 1 : 0), record.last);
    }

    // A new name record after the one it follows and its empty line (or after where the set
    // adds that one), or at the end of the file; a record that the end of the file ends gets
    // the empty line first.
    Splice insertNameRecord(const Change& change, Lines lines) {
        NameRecordLines after =
            change.after ? game_.nameRecord(change.after->id) : NameRecordLines{};
        if (after.opening < 0 && change.after && namesAfter_.contains(change.after->id))
            after = namesAfter_.value(change.after->id);
        namesAfter_.insert(change.item.id, after);
        if (after.opening >= 0 && after.endedByEmptyLine) {
            lines.append(QByteArray());
            return insertLinesAfter(names(), after.last + 1, lines);
        }
        const qsizetype last = after.opening >= 0 ? after.last : lastLineOf(names());
        if (last >= 0 && !names().lineBytes(last).isEmpty())
            lines.prepend(QByteArray());
        return insertLinesAfter(names(), last, lines);
    }

    void refuse(Outcome outcome) { plan_.outcome = std::move(outcome); }

    // Two changes of the same bytes cannot both be made: the later one is a conflict.
    void markOverlaps() {
        std::stable_sort(edits_.begin(), edits_.end(), [](const Edit& a, const Edit& b) {
            return a.file != b.file ? a.file < b.file : a.splice.offset < b.splice.offset;
        });
        std::vector<bool> overlapping(changes_.size(), false);
        for (size_t k = 1; k < edits_.size(); ++k) {
            const Edit& a = edits_[k - 1];
            const Edit& b = edits_[k];
            if (a.file == b.file && a.change != b.change &&
                a.splice.offset + a.splice.removed.size() > b.splice.offset)
                overlapping[std::max(a.change, b.change)] = true;
        }
        std::erase_if(edits_, [&](const Edit& e) { return overlapping[e.change]; });
        for (size_t i = 0; i < changes_.size(); ++i)
            if (overlapping[i])
                plan_.results[i].state = ChangeState::Conflict;
    }

    // The byte changes from the end of each file towards its start; of two at one place, the
    // one that removes bytes first, then the later change of the set, so that the earlier
    // comes first in the file.
    void order() {
        std::stable_sort(edits_.begin(), edits_.end(), [](const Edit& a, const Edit& b) {
            if (a.splice.offset != b.splice.offset)
                return a.splice.offset > b.splice.offset;
            if (a.splice.removed.isEmpty() != b.splice.removed.isEmpty())
                return !a.splice.removed.isEmpty();
            return a.change > b.change;
        });
        for (Edit& edit : edits_)
            plan_.made[size_t(edit.file)].push_back(std::move(edit.splice));
    }

    const GameData& game_;
    const ChangeSet& changes_;
    ApplyPlan plan_;
    std::vector<Edit> edits_;
    bool finalLineEnd_ = false;
    // Where the records and name records the set adds go, for those added after them.
    QHash<QString, qsizetype> addedAfter_;
    QHash<QString, NameRecordLines> namesAfter_;
};

} // namespace

qsizetype ApplyPlan::conflicts() const {
    return std::count_if(results.begin(), results.end(), [](const ChangeResult& result) {
        return result.state == ChangeState::Conflict;
    });
}

ApplyPlan GameData::plan(const ChangeSet& changes) const {
    return Planner(*this, changes).run();
}

ApplyPlan GameData::apply(const ChangeSet& changes, bool skipConflicts, FilesChanged* changed) {
    ApplyPlan planned = plan(changes);
    if (!planned.outcome.done())
        return planned;
    if (const qsizetype conflicts = planned.conflicts(); conflicts > 0 && !skipConflicts) {
        planned.outcome = Outcome::of(Status::ChangeConflicts);
        planned.outcome.line = conflicts;
        return planned;
    }
    if (planned.changesBytes())
        planned.outcome = write(planned.made, false, changed);
    return planned;
}

} // namespace wed

namespace wed {

Change typedChange(const ItemRef& item, QByteArrayView key, const QString& text) {
    Change change;
    change.item = item;
    change.key = key.toByteArray();
    change.keyOccurrence = 0;
    change.typed = text;
    change.isTyped = true;
    return change;
}

} // namespace wed
