#include "game/folder_diff.h"

#include "base/code_page.h"
#include "edit/line_splices.h"

#include <QHash>
#include <algorithm>

namespace wed {
namespace {

// The key of a line (the text before its first "="), or none for a line without one.
std::optional<QByteArray> keyOf(QByteArrayView line) {
    const qsizetype at = line.indexOf('=');
    if (at < 0)
        return std::nullopt;
    return line.first(at).toByteArray();
}

// Every record of the folder in file order, with its category.
std::vector<RecordEntry> recordsOf(const GameData& game) {
    std::vector<RecordEntry> all;
    for (const Category& c : categories()) {
        std::vector<RecordEntry> some = game.records(c.id);
        all.insert(all.end(), some.begin(), some.end());
    }
    std::sort(all.begin(), all.end(),
              [](const RecordEntry& a, const RecordEntry& b) { return a.header < b.header; });
    return all;
}

// The first name record of every id, in file order: its opening line and id.
struct NameEntry {
    QString id;
    qsizetype opening = -1;
};

std::vector<NameEntry> nameRecordsOf(const GameData& game) {
    std::vector<NameEntry> found;
    const LineBuffer& names = game.names();
    for (qsizetype i = 0; i < names.lineCount(); ++i) {
        const QByteArrayView line = names.lineBytes(i);
        if (line.size() < 2 || !line.startsWith('<') || !line.endsWith('>'))
            continue;
        const QString id = decodeAnsi(line.sliced(1, line.size() - 2));
        if (game.nameRecord(id).opening == i)
            found.push_back({id, i});
    }
    return found;
}

class Differ {
  public:
    Differ(const GameData& base, const GameData& folder, DiffNotes& notes)
        : base_(base), folder_(folder), notes_(notes) {}

    ChangeSet run() {
        diffRecords();
        diffNames();
        notes_.outsideDiffers[size_t(GameFile::Items)] =
            outsideLines(base_, GameFile::Items) != outsideLines(folder_, GameFile::Items);
        notes_.outsideDiffers[size_t(GameFile::Names)] =
            outsideLines(base_, GameFile::Names) != outsideLines(folder_, GameFile::Names);
        return std::move(changes_);
    }

  private:
    // Base's records in order, each followed by the records `folder` adds after it.
    void diffRecords() {
        const std::vector<RecordEntry> before = recordsOf(base_);
        const std::vector<RecordEntry> after = recordsOf(folder_);
        QHash<QString, size_t> inBase;
        for (size_t i = 0; i < before.size(); ++i)
            inBase.insert(refText(before[i].ref), i);
        // For each base record (and -1: the start), the folder's records added after it.
        QHash<qsizetype, std::vector<size_t>> addedAfter;
        qsizetype lastKept = -1;
        for (size_t i = 0; i < after.size(); ++i) {
            if (const auto kept = inBase.find(refText(after[i].ref)); kept != inBase.end())
                lastKept = qsizetype(*kept);
            else
                addedAfter[lastKept].push_back(i);
        }
        auto addAll = [&](qsizetype at) {
            for (size_t i : addedAfter.value(at))
                add(after[i], placeOf(after, i));
        };
        addAll(-1);
        for (size_t i = 0; i < before.size(); ++i) {
            compare(before[i]);
            addAll(qsizetype(i));
        }
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
        return *game.recordLines(record.ref);
    }

    void compare(const RecordEntry& record) {
        const Lines was = linesOf(base_, record);
        const std::optional<Lines> now = folder_.recordLines(record.ref);
        if (!now) {
            Change removed;
            removed.kind = ChangeKind::Remove;
            removed.item = record.ref;
            removed.baseLines = was;
            changes_.push_back(std::move(removed));
            return;
        }
        if (was == *now)
            return;
        const qsizetype header = folder_.headerOf(record.ref);
        for (qsizetype i = 0; i < now->size(); ++i)
            if (i >= was.size() || was[i] != (*now)[i])
                if (!decodesCleanly((*now)[i]))
                    notes_.undecodable.push_back({GameFile::Items, header + i + 1});
        if (!keyChanges(record.ref, was, *now)) {
            Change whole;
            whole.kind = ChangeKind::Record;
            whole.item = record.ref;
            whole.baseLines = was;
            whole.nowLines = *now;
            changes_.push_back(std::move(whole));
        }
    }

    // The record's changes as changes of key lines, when every line that differs is a key
    // line in both, of the same key, at the same place; false when no key change says it.
    bool keyChanges(const ItemRef& item, const Lines& was, const Lines& now) {
        if (was.size() != now.size() || was.front() != now.front())
            return false;
        ChangeSet keys;
        QHash<QByteArray, int> seen;
        for (qsizetype i = 1; i < was.size(); ++i) {
            const std::optional<QByteArray> key = keyOf(was[i]);
            const int occurrence = key ? ++seen[*key] : 0;
            if (was[i] == now[i])
                continue;
            if (!key || keyOf(now[i]) != key)
                return false;
            Change change;
            change.item = item;
            change.key = *key;
            change.keyOccurrence = occurrence;
            change.base = was[i].sliced(key->size() + 1);
            change.now = now[i].sliced(key->size() + 1);
            keys.push_back(std::move(change));
        }
        changes_.insert(changes_.end(), keys.begin(), keys.end());
        return true;
    }

    void noteUndecodable(const GameData& game, const RecordEntry& record) {
        for (qsizetype i = record.header,
                       last = game.recordLast(record.ref.category, record.header);
             i <= last; ++i)
            if (!decodesCleanly(game.items().lineBytes(i)))
                notes_.undecodable.push_back({GameFile::Items, i + 1});
    }

    void diffNames() {
        const std::vector<NameEntry> before = nameRecordsOf(base_);
        const std::vector<NameEntry> after = nameRecordsOf(folder_);
        QHash<QString, qsizetype> inFolder;
        for (size_t i = 0; i < after.size(); ++i)
            inFolder.insert(after[i].id, qsizetype(i));
        QHash<QString, bool> inBase;
        for (const NameEntry& entry : before)
            inBase.insert(entry.id, true);
        auto change = [](const QString& id, std::optional<Lines> was, std::optional<Lines> now) {
            Change names;
            names.kind = ChangeKind::Names;
            names.item.id = id;
            names.baseLines = std::move(was);
            names.nowLines = std::move(now);
            return names;
        };
        // Base's name records in order, each followed by those the folder adds after it.
        auto addedAfter = [&](qsizetype from) {
            for (qsizetype i = from + 1;
                 i < qsizetype(after.size()) && !inBase.contains(after[size_t(i)].id); ++i) {
                Change added = change(after[size_t(i)].id, std::nullopt,
                                      folder_.nameRecordLines(after[size_t(i)].id));
                if (i > 0)
                    added.after = ItemRef{CategoryId::Weapon, after[size_t(i) - 1].id, 1};
                noteNames(after[size_t(i)].id);
                changes_.push_back(std::move(added));
            }
        };
        addedAfter(-1);
        for (const NameEntry& entry : before) {
            const std::optional<Lines> was = base_.nameRecordLines(entry.id);
            const std::optional<Lines> now = folder_.nameRecordLines(entry.id);
            if (was != now) {
                if (now)
                    noteNames(entry.id);
                changes_.push_back(change(entry.id, was, now));
            }
            if (const auto at = inFolder.find(entry.id); at != inFolder.end())
                addedAfter(*at);
        }
    }

    void noteNames(const QString& id) {
        const NameRecordLines record = folder_.nameRecord(id);
        for (qsizetype i = record.opening; i <= record.last; ++i)
            if (!decodesCleanly(folder_.names().lineBytes(i)))
                notes_.undecodable.push_back({GameFile::Names, i + 1});
    }

    const GameData& base_;
    const GameData& folder_;
    DiffNotes& notes_;
    ChangeSet changes_;
};

} // namespace

Lines outsideLines(const GameData& game, GameFile file) {
    const LineBuffer& lines = game.buffer(file);
    std::vector<bool> inside(size_t(lines.lineCount()), false);
    if (file == GameFile::Items) {
        for (const RecordEntry& record : recordsOf(game))
            for (qsizetype i = record.header,
                           last = game.recordLast(record.ref.category, record.header);
                 i <= last; ++i)
                inside[size_t(i)] = true;
    } else {
        for (const NameEntry& entry : nameRecordsOf(game)) {
            const NameRecordLines record = game.nameRecord(entry.id);
            for (qsizetype i = record.opening; i <= record.last; ++i)
                inside[size_t(i)] = true;
        }
    }
    // The name file's empty lines only end its records: they are no lines of their own.
    // The empty line a buffer counts after a final line end is no line of the file.
    Lines outside;
    for (qsizetype i = 0; i <= lastLineOf(lines); ++i)
        if (!inside[size_t(i)] && (file == GameFile::Items || !lines.lineBytes(i).isEmpty()))
            outside.append(lines.lineBytes(i).toByteArray());
    return outside;
}

ChangeSet diffFolders(const GameData& base, const GameData& folder, DiffNotes* notes) {
    DiffNotes ignored;
    return Differ(base, folder, notes ? *notes : ignored).run();
}

} // namespace wed
