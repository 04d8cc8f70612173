#include "game/folder_diff.h"

#include "game/diff_reading.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/name_record.h"
#include "data/record_scan.h"
#include "edit/line_splices.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace wed {
using namespace diff;

struct DiffBase::Side {
    std::vector<RecordEntry> records;
    std::vector<NameEntry> names;
    std::array<std::vector<QByteArrayView>, 2> outside;
};

DiffBase::DiffBase(const GameData& base) : base_(base) {
    auto side = std::make_unique<Side>();
    side->records = recordsOf(base);
    side->names = nameRecordsOf(base);
    for (GameFile file : {GameFile::Items, GameFile::Names})
        side->outside[size_t(file)] = outside(base, file, side->records, side->names);
    side_ = std::move(side);
}

DiffBase::~DiffBase() = default;

namespace {

// A record's lines where they stand in a buffer, read without a copy.
class RecordLines {
  public:
    RecordLines(const LineBuffer& buffer, qsizetype first, qsizetype last)
        : buffer_(buffer), first_(first), size_(last - first + 1) {}
    qsizetype size() const { return size_; }
    QByteArrayView operator[](qsizetype i) const { return buffer_.lineBytes(first_ + i); }
    Lines copied() const {
        Lines lines;
        lines.reserve(size_);
        for (qsizetype i = 0; i < size_; ++i)
            lines.append((*this)[i].toByteArray());
        return lines;
    }

  private:
    const LineBuffer& buffer_;
    qsizetype first_;
    qsizetype size_;
};

class Differ {
  public:
    Differ(const DiffBase& base, const GameData& folder, DiffNotes& notes)
        : base_(base.game()), folder_(folder), notes_(notes), baseRecords_(base.side().records),
          baseNames_(base.side().names), baseOutside_(base.side().outside) {}

    ChangeSet run() {
        // A mod that changes lines in their places, as most do, leaves every record and name
        // record where the base has it: only those that hold a line that differs are looked at.
        if (const auto lines = inertDifferences(GameFile::Items)) {
            diffRecordsInStep(*lines);
        } else {
            folderRecords_ = recordSpansOf(folder_);
            diffRecords();
            notes_.outsideDiffers[0] =
                baseOutside_[0] != outside(folder_, GameFile::Items, folderRecords_, {});
        }
        if (const auto lines = inertDifferences(GameFile::Names)) {
            diffNamesInStep(*lines);
        } else {
            folderNames_ = nameRecordsOf(folder_, false);
            diffNames();
            notes_.outsideDiffers[1] =
                baseOutside_[1] != outside(folder_, GameFile::Names, {}, folderNames_);
        }
        return std::move(changes_);
    }

  private:
    // The lines of the file that differ, when the folder has as many lines and each that
    // differs is inert in both (diff::inertLine); none otherwise.
    std::optional<std::vector<qsizetype>> inertDifferences(GameFile file) const {
        const LineBuffer& was = base_.buffer(file);
        const LineBuffer& now = folder_.buffer(file);
        std::optional<std::vector<qsizetype>> lines = differingLines(was, now);
        if (lines && std::all_of(lines->begin(), lines->end(), [&](qsizetype line) {
                return inertLine(was.lineBytes(line)) && inertLine(now.lineBytes(line));
            }))
            return lines;
        return std::nullopt;
    }

    // Calls `differs` for every span (first and last line, in file order; they may overlap)
    // that holds one of the lines; returns whether a line is in none of them.
    template <class Spans, class Differs>
    static bool linesOutside(const std::vector<qsizetype>& lines, const Spans& spans,
                             Differs differs) {
        std::vector<bool> inside(lines.size(), false);
        for (const auto& span : spans) {
            const auto [first, last] = span;
            const auto from = std::lower_bound(lines.begin(), lines.end(), first);
            const auto to = std::upper_bound(from, lines.end(), last);
            if (from == to)
                continue;
            std::fill(inside.begin() + (from - lines.begin()),
                      inside.begin() + (to - lines.begin()), true);
            differs(span);
        }
        return std::find(inside.begin(), inside.end(), false) != inside.end();
    }

    // Every record stands where it stands in the base, as the same item: those that hold a
    // line that differs are compared.
    void diffRecordsInStep(const std::vector<qsizetype>& lines) {
        std::vector<std::pair<qsizetype, qsizetype>> spans;
        spans.reserve(baseRecords_.size());
        for (const RecordEntry& record : baseRecords_)
            spans.emplace_back(record.header, record.last);
        notes_.outsideDiffers[0] = linesOutside(lines, spans, [&](const auto& span) {
            const RecordEntry& record = baseRecords_[size_t(&span - spans.data())];
            compare(record, &record);
        });
    }

    // Likewise every name record.
    void diffNamesInStep(const std::vector<qsizetype>& lines) {
        std::vector<std::pair<qsizetype, qsizetype>> spans;
        spans.reserve(baseNames_.size());
        for (const NameEntry& entry : baseNames_)
            spans.emplace_back(entry.lines.opening, entry.lines.last);
        notes_.outsideDiffers[1] = linesOutside(lines, spans, [&](const auto& span) {
            changedNames(baseNames_[size_t(&span - spans.data())]);
        });
    }
    // Which folder record each base record is (-1: none): by its header line and occurrence,
    // in step while both folders keep their records in order, by a lookup after that.
    std::vector<qsizetype> matchRecords() const {
        const std::vector<RecordEntry>& before = baseRecords_;
        const std::vector<RecordEntry>& after = folderRecords_;
        auto line = [](const GameData& game, const RecordEntry& record) {
            return game.items().lineBytes(record.header);
        };
        std::vector<qsizetype> match(before.size(), -1);
        size_t i = 0;
        for (; i < before.size() && i < after.size(); ++i) {
            // Equal header lines after equal ones are the same occurrence of the same item.
            if (line(base_, before[i]) != line(folder_, after[i]))
                break;
            match[i] = qsizetype(i);
        }
        if (i == before.size())
            return match;
        QHash<QByteArrayView, std::vector<qsizetype>> rest;
        for (size_t j = i; j < after.size(); ++j)
            rest[line(folder_, after[j])].push_back(qsizetype(j));
        // The occurrences count from the file's start: a record's K-th is the K-th overall.
        for (size_t j = 0; j < i; ++j)
            rest[line(folder_, after[j])].insert(rest[line(folder_, after[j])].begin(), -1);
        for (size_t k = i; k < before.size(); ++k) {
            const auto found = rest.constFind(line(base_, before[k]));
            const size_t at = size_t(before[k].ref.occurrence) - 1;
            if (found != rest.constEnd() && at < found->size())
                match[k] = (*found)[at];
        }
        return match;
    }

    // Base's records in order, each followed by the records `folder` adds after it.
    void diffRecords() {
        const std::vector<qsizetype> match = matchRecords();
        // A record added or moved is named by the folder's ref: read them all then.
        bool inStep = match.size() == folderRecords_.size();
        for (size_t i = 0; inStep && i < match.size(); ++i)
            inStep = match[i] == qsizetype(i);
        if (!inStep)
            folderRecords_ = recordsOf(folder_);
        const std::vector<RecordEntry>& before = baseRecords_;
        const std::vector<RecordEntry>& after = folderRecords_;
        std::vector<qsizetype> baseOf(after.size(), -1);
        for (size_t i = 0; i < match.size(); ++i)
            if (match[i] >= 0)
                baseOf[size_t(match[i])] = qsizetype(i);
        // For each base record (and -1: the start), the folder's records added after it.
        QHash<qsizetype, std::vector<size_t>> addedAfter;
        qsizetype lastKept = -1;
        for (size_t j = 0; j < after.size(); ++j) {
            if (baseOf[j] >= 0)
                lastKept = baseOf[j];
            else
                addedAfter[lastKept].push_back(j);
        }
        auto addAll = [&](qsizetype at) {
            for (size_t j : addedAfter.value(at))
                add(after[j], placeOf(after, j));
        };
        addAll(-1);
        const std::vector<bool> kept = keptInOrder(match);
        for (size_t i = 0; i < before.size(); ++i) {
            compare(before[i], match[i] < 0 ? nullptr : &after[size_t(match[i])]);
            if (match[i] >= 0 && !kept[i])
                changes_.push_back(moveOf(ChangeKind::Move, before[i].ref, placeOf(before, i),
                                          placeOf(after, size_t(match[i]))));
            addAll(qsizetype(i));
        }
    }

    // A record that stands elsewhere among the others: where it was and where it is, each
    // as the record it follows.
    static Change moveOf(ChangeKind kind, const ItemRef& item, std::optional<ItemRef> was,
                         std::optional<ItemRef> goes) {
        Change change;
        change.kind = kind;
        change.item = item;
        change.baseAfter = std::move(was);
        change.after = std::move(goes);
        return change;
    }

    // The record an added record follows in the folder: the one before it, of any category.
    static std::optional<ItemRef> placeOf(const std::vector<RecordEntry>& records, size_t i) {
        return i == 0 ? std::nullopt : std::optional(records[i - 1].ref);
    }

    void add(const RecordEntry& record, std::optional<ItemRef> after) {
        Change change;
        change.kind = ChangeKind::Add;
        change.item = record.ref;
        change.nowLines = linesOf(folder_, record);
        change.after = std::move(after);
        noteUndecodable(folder_, record);
        changes_.push_back(std::move(change));
    }

    Lines linesOf(const GameData& game, const RecordEntry& record) const {
        return game.recordLinesAt(record.ref.category, record.header);
    }

    // A base record and the folder's that is it (none: removed).
    void compare(const RecordEntry& record, const RecordEntry* in) {
        if (!in) {
            Change removed;
            removed.kind = ChangeKind::Remove;
            removed.item = record.ref;
            removed.baseLines = linesOf(base_, record);
            changes_.push_back(std::move(removed));
            return;
        }
        // Most records are the same: their bytes are compared before any line is made.
        if (base_.recordBytes(record) == folder_.recordBytes(*in))
            return;
        const RecordLines was{base_.items(), record.header, record.last};
        const RecordLines now{folder_.items(), in->header, in->last};
        for (qsizetype i = 0; i < now.size(); ++i)
            if (i >= was.size() || was[i] != now[i])
                note(GameFile::Items, in->header + i, now[i]);
        if (!keyChanges(record.ref, was, now)) {
            Change whole;
            whole.kind = ChangeKind::Record;
            whole.item = record.ref;
            whole.baseLines = was.copied();
            whole.nowLines = now.copied();
            changes_.push_back(std::move(whole));
        }
    }

    // The record's changes as changes of key lines, when every line that differs is a key
    // line in both, of the same key, at the same place; false when no key change says it.
    bool keyChanges(const ItemRef& item, const RecordLines& was, const RecordLines& now) {
        if (was.size() != now.size() || was[0] != now[0])
            return false;
        ChangeSet keys;
        // The record's end line is no key line, whatever it holds: a key change could not
        // find it.
        const EndRule rule = categoryFields(item.category).endRule;
        const auto keyLineKey = [&](const RecordLines& lines, qsizetype i) {
            return i == lines.size() - 1 && isRecordEndLine(lines[i], rule) ? std::nullopt
                                                                            : keyOfLine(lines[i]);
        };
        for (qsizetype i = 1; i < was.size(); ++i) {
            if (was[i] == now[i])
                continue;
            const std::optional<QByteArrayView> key = keyLineKey(was, i);
            if (!key || keyLineKey(now, i) != key)
                return false;
            // Which line of its key it is: counted only for the few lines that differ.
            int occurrence = 1;
            for (qsizetype j = 1; j < i; ++j)
                occurrence += isKeyLineOf(was[j], *key) ? 1 : 0;
            Change change;
            change.item = item;
            change.key = key->toByteArray();
            change.keyOccurrence = occurrence;
            change.base = was[i].sliced(key->size() + 1).toByteArray();
            change.now = now[i].sliced(key->size() + 1).toByteArray();
            keys.push_back(std::move(change));
        }
        changes_.insert(changes_.end(), std::make_move_iterator(keys.begin()),
                        std::make_move_iterator(keys.end()));
        return true;
    }

    // A line of the folder's that a patch cannot carry: bytes the code page cannot decode, or a
    // lone CR or LF, which a change may not write.
    void note(GameFile file, qsizetype line, QByteArrayView bytes) {
        const bool lineBreak = holdsLineBreak(bytes);
        if (lineBreak || !decodesCleanly(bytes))
            notes_.undecodable.push_back({file, line + 1, lineBreak});
    }

    void noteUndecodable(const GameData& game, const RecordEntry& record) {
        for (qsizetype i = record.header,
                       last = game.recordLast(record.ref.category, record.header);
             i <= last; ++i)
            note(GameFile::Items, i, game.items().lineBytes(i));
    }

    // Which folder name record each base one is (-1: none): in step while both files keep
    // their ids in order, by a lookup after that. Each id opens one record in each file.
    std::vector<qsizetype> matchNames() const {
        const std::vector<NameEntry>& before = baseNames_;
        const std::vector<NameEntry>& after = folderNames_;
        std::vector<qsizetype> match(before.size(), -1);
        size_t i = 0;
        for (; i < before.size() && i < after.size() && before[i].opening == after[i].opening; ++i)
            match[i] = qsizetype(i);
        if (i == before.size())
            return match;
        QHash<QByteArrayView, qsizetype> inFolder;
        inFolder.reserve(qsizetype(after.size() - std::min(i, after.size())));
        for (size_t j = i; j < after.size(); ++j)
            inFolder.insert(after[j].opening, qsizetype(j));
        for (size_t k = i; k < before.size(); ++k)
            match[k] = inFolder.value(before[k].opening, -1);
        return match;
    }

    void diffNames() {
        const std::vector<NameEntry>& before = baseNames_;
        const std::vector<NameEntry>& after = folderNames_;
        const std::vector<qsizetype> match = matchNames();
        std::vector<bool> inBase(after.size(), false);
        for (qsizetype at : match)
            if (at >= 0)
                inBase[size_t(at)] = true;
        // Base's name records in order, each followed by those the folder adds after it.
        auto addedAfter = [&](qsizetype from) {
            for (qsizetype i = from + 1; i < qsizetype(after.size()) && !inBase[size_t(i)]; ++i) {
                const QString id = idOf(after[size_t(i)]);
                Change added = namesChange(id, std::nullopt, folder_.nameRecordLines(id));
                if (i > 0)
                    added.after = ItemRef{CategoryId::Weapon, idOf(after[size_t(i) - 1]), 1};
                noteNames(id);
                changes_.push_back(std::move(added));
            }
        };
        addedAfter(-1);
        const std::vector<bool> kept = keptInOrder(match);
        const auto nameBefore = [](const std::vector<NameEntry>& entries, qsizetype i) {
            return i <= 0 ? std::nullopt
                          : std::optional(
                                ItemRef{CategoryId::Weapon, idOf(entries[size_t(i) - 1]), 1});
        };
        for (size_t i = 0; i < before.size(); ++i) {
            const NameEntry& entry = before[i];
            if (match[i] >= 0 && !kept[i])
                changes_.push_back(moveOf(ChangeKind::NameMove, {CategoryId::Weapon, entry.id, 1},
                                          nameBefore(before, qsizetype(i)),
                                          nameBefore(after, match[i])));
            // Most name records are the same: their bytes are compared before any line is made.
            if (match[i] >= 0 && base_.nameRecordBytes(entry.lines) ==
                                     folder_.nameRecordBytes(after[size_t(match[i])].lines)) {
                addedAfter(match[i]);
                continue;
            }
            changedNames(entry);
            if (match[i] >= 0)
                addedAfter(match[i]);
        }
    }

    // The base's name record of the entry's id against the folder's.
    void changedNames(const NameEntry& entry) {
        const std::optional<Lines> was = base_.nameRecordLines(entry.id);
        const std::optional<Lines> now = folder_.nameRecordLines(entry.id);
        if (was == now)
            return;
        if (now)
            noteNames(entry.id);
        changes_.push_back(namesChange(entry.id, was, now));
    }

    static Change namesChange(const QString& id, std::optional<Lines> was,
                              std::optional<Lines> now) {
        Change names;
        names.kind = ChangeKind::Names;
        names.item.id = id;
        names.baseLines = std::move(was);
        names.nowLines = std::move(now);
        return names;
    }

    void noteNames(const QString& id) {
        const NameRecordLines record = folder_.nameRecord(id);
        for (qsizetype i = record.opening; i <= record.last; ++i)
            note(GameFile::Names, i, folder_.names().lineBytes(i));
    }

    const GameData& base_;
    const GameData& folder_;
    DiffNotes& notes_;
    ChangeSet changes_;
    const std::vector<RecordEntry>& baseRecords_;
    const std::vector<NameEntry>& baseNames_;
    const std::array<std::vector<QByteArrayView>, 2>& baseOutside_;
    std::vector<RecordEntry> folderRecords_;
    std::vector<NameEntry> folderNames_;
};

} // namespace

Lines outsideLines(const GameData& game, GameFile file) {
    Lines lines;
    for (QByteArrayView line : outside(game, file, recordsOf(game), nameRecordsOf(game)))
        lines.append(line.toByteArray());
    return lines;
}

ChangeSet diffFolders(const GameData& base, const GameData& folder, DiffNotes* notes) {
    return diffFolders(DiffBase(base), folder, notes);
}

ChangeSet diffFolders(const DiffBase& base, const GameData& folder, DiffNotes* notes) {
    DiffNotes ignored;
    return Differ(base, folder, notes ? *notes : ignored).run();
}

} // namespace wed
