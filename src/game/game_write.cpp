// The one way the model's files change: byte changes written, guarded and atomic, after which
// the lines and indexes follow.
#include "game/game_data.h"

#include "data/name_record.h"
#include "edit/file_commit.h"

#include <algorithm>

namespace wed {

Outcome GameData::write(const std::array<Splices, 2>& made, bool undone, FilesChanged* changed) {
    std::vector<FileWrite> writes;
    for (GameFile file : {GameFile::Items, GameFile::Names}) {
        const Splices& changes = made[size_t(file)];
        if (changes.empty())
            continue;
        const QByteArray& held = buffer(file).bytes();
        std::optional<QByteArray> bytes =
            undone ? revertSplices(held, changes) : applySplices(held, changes);
        // The model's bytes are not those the changes were made on.
        if (!bytes)
            return Outcome::of(Status::ExternalChange, path(file));
        writes.push_back({path(file), held, std::move(*bytes)});
    }
    if (const Outcome saved = commitFiles(writes); !saved.done())
        return saved;
    FilesChanged result;
    for (FileWrite& write : writes) {
        const GameFile file = write.path == itemFilePath_ ? GameFile::Items : GameFile::Names;
        adopt(file, made[size_t(file)], undone, std::move(write.bytes), result);
    }
    checkIndexes();
    if (changed)
        *changed = std::move(result);
    return {};
}

// Whether the change (which begins in `line`) rewrites the inside of one line that is neither a
// record header line nor a name record's opening line, before or after: then every line stays
// where it was.
bool GameData::changesOneOrdinaryLine(GameFile file, const Splice& change, qsizetype line) const {
    const LineBuffer& lines = buffer(file);
    const QByteArray& old = lines.bytes();
    const qsizetype end = change.offset + change.removed.size();
    if (holdsLineBreak(change.removed) || holdsLineBreak(change.inserted) ||
        (change.offset > 0 && old[change.offset - 1] == '\r') ||
        (end < old.size() && old[end] == '\n'))
        return false;
    const QByteArrayView before = lines.lineBytes(line);
    auto special = [file](QByteArrayView text) {
        return file == GameFile::Items ? headerCategory(text) != nullptr : isNameOpening(text);
    };
    if (special(before))
        return false;
    // A change of the whole line is the line it leaves; any other is made on a copy.
    if (change.offset == lines.lineStart(line) && change.removed.size() == before.size())
        return !special(change.inserted);
    return !special(applySplice(
        before, {change.offset - lines.lineStart(line), change.removed, change.inserted}));
}

// The buffer takes the changes (or, undone, gives them back) and the bytes they give, already
// saved, and its index follows. One change is followed by looking again at the lines it
// replaced; a series of changes inside lines moves the line starts; any other series is read
// afresh.
void GameData::adopt(GameFile file, const Splices& made, bool undone, QByteArray bytes,
                     FilesChanged& changed) {
    const Splices changes = undone ? inverseOf(made) : made;
    LineBuffer& lines = mutableBuffer(file);
    bool linesKept = true;
    if (changes.size() == 1) {
        linesKept =
            changesOneOrdinaryLine(file, changes.front(), lines.lineAt(changes.front().offset));
        const LineChange replaced = lines.apply(changes.front(), std::move(bytes));
        if (!linesKept && file == GameFile::Items)
            itemIndex_.follow(items_, replaced);
    } else {
        const std::optional<Splices> once = simultaneous(made, undone);
        // In file order (the last of them first), each line found from the one before.
        const auto inside = [&](const Splices& all) {
            qsizetype line = 0;
            return std::all_of(all.rbegin(), all.rend(), [&](const Splice& change) {
                line = lines.lineAt(change.offset, line);
                return changesOneOrdinaryLine(file, change, line);
            });
        };
        linesKept = once && inside(*once);
        if (linesKept)
            lines.changeWithinLines(std::move(bytes), *once);
        else
            lines.setBytes(std::move(bytes));
        if (!linesKept && file == GameFile::Items)
            itemIndex_.rebuild(items_);
    }
    if (!linesKept && file == GameFile::Names)
        nameIndex_.rebuild(names_);
    if (!linesKept && file == GameFile::Items)
        headerLinesMoved();
    changed.changed[size_t(file)] = true;
    changed.linesMoved[size_t(file)] = !linesKept;
    changed.made[size_t(file)] = changes;
}

// The buffers and indexes that follow changes are those a fresh read would give; checked in
// debug builds, which the sanitizer tests and the fuzzer use.
void GameData::checkIndexes() const {
#ifndef QT_NO_DEBUG
    ItemIndex items;
    items.rebuild(items_);
    Q_ASSERT(items_ == LineBuffer(items_.bytes()) && names_ == LineBuffer(names_.bytes()));
    Q_ASSERT(items == itemIndex_);
    Q_ASSERT(!headerTable_ || *headerTable_ == HeaderTable(items_, itemIndex_));
#endif
}

} // namespace wed
