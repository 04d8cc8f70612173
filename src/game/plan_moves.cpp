#include "game/plan_moves.h"

#include "game/plan_names.h"
#include "game/plan_places.h"

namespace wed {

// A move, three-way on the record it follows: where that is the one the move goes after (and
// that one stays), nothing to do; where it is the one the base had, the record goes, with the
// set's other changes of it, after the new one (or where the set puts that one); anything else,
// or a record the folder lacks, is a conflict.
bool MovePass::moveThreeWay(size_t i, const std::optional<ItemRef>& current, bool placed) {
    const Change& change = s_.changes[i];
    ChangeResult& result = s_.plan.results[i];
    result.currentAfter = current;
    if (current == change.after && !placed)
        return result.state = ChangeState::AlreadyThere, false;
    if (current != change.baseAfter || change.after == change.item)
        return result.state = ChangeState::Conflict, false;
    return true;
}

void MovePass::move(size_t i) {
    const Change& change = s_.changes[i];
    const qsizetype header = s_.headerOf(i);
    if (header < 0)
        return s_.conflict(i);
    const bool placed = change.after && (s_.movedTo.contains(refText(*change.after)) ||
                                         s_.addedAfter.contains(refText(*change.after)));
    if (!moveThreeWay(i, recordBefore(header), placed))
        return;
    const qsizetype last = s_.game.recordLast(change.item.category, header);
    std::vector<size_t> taken;
    const std::optional<Lines> lines = takeChangesOf(header, last, taken);
    if (!lines)
        return s_.conflict(i);
    const qsizetype place = placeOf(s_, change);
    made_[refText({change.item.category, change.item.id, 1})].push_back(
        {i, s_.turn, place, std::move(taken)});
    s_.movedTo.insert(refText(change.item), place);
    s_.add(GameFile::Items, removeLines(s_.items(), header, last), i);
    s_.add(GameFile::Items, insertLinesAfter(s_.items(), place, *lines), i);
}

void MovePass::keepOccurrences() {
    // Most sets move nothing: then not even an empty table is made (a loop over the table
    // would make one).
    if (made_.isEmpty())
        return;
    QSet<size_t> undone;
    for (std::vector<Made>& moves : made_)
        while (const std::optional<size_t> k = renumbered(moves)) {
            const Made& move = moves[*k];
            s_.conflict(move.change);
            undone.insert(move.change);
            // The changes of its lines it took along are made where it stays.
            for (const size_t taken : move.taken)
                s_.edits[taken].moved = false;
            moves.erase(moves.begin() + qsizetype(*k));
        }
    if (!undone.isEmpty())
        std::erase_if(s_.edits, [&](const Edit& edit) { return undone.contains(edit.change); });
}

// The first of the moves of one id whose record would not be the same occurrence of its id
// after the set, among the records the set keeps, or none.
std::optional<size_t> MovePass::renumbered(const std::vector<Made>& moves) const {
    const ItemRef& of = s_.changes[moves.front().change].item;
    // Where each kept record stands after the set: a moved one after the line it goes after,
    // among those that go there in the order they were planned.
    struct Place {
        qsizetype line;
        int moved;
        size_t turn;
        int occurrence;
        auto operator<=>(const Place&) const = default;
    };
    std::vector<Place> places;
    for (int k = 1;; ++k) {
        const qsizetype header = s_.headerOf(ItemRef{of.category, of.id, k});
        if (header < 0)
            break;
        if (!s_.removed(header))
            places.push_back({header, 0, 0, k});
    }
    for (const Made& move : moves)
        for (Place& place : places)
            if (place.occurrence == s_.changes[move.change].item.occurrence)
                place = {move.place, 1, move.turn, place.occurrence};
    std::vector<Place> after = places;
    std::sort(after.begin(), after.end());
    for (size_t k = 0; k < moves.size(); ++k) {
        const int occurrence = s_.changes[moves[k].change].item.occurrence;
        const auto kept = std::find_if(places.begin(), places.end(),
                                       [&](const Place& p) { return p.occurrence == occurrence; });
        if (kept != places.end() && after[size_t(kept - places.begin())].occurrence != occurrence)
            return k;
    }
    return std::nullopt;
}

// The record that stands before the one at `header` in the folder, of any category.
std::optional<ItemRef> MovePass::recordBefore(qsizetype header) {
    if (inFileOrder_.empty()) {
        for (const Category& c : categories()) {
            const std::vector<RecordEntry> some = s_.game.records(c.id);
            inFileOrder_.insert(inFileOrder_.end(), some.begin(), some.end());
        }
        std::sort(inFileOrder_.begin(), inFileOrder_.end(),
                  [](const RecordEntry& a, const RecordEntry& b) { return a.header < b.header; });
    }
    const auto at = std::lower_bound(
        inFileOrder_.begin(), inFileOrder_.end(), header,
        [](const RecordEntry& record, qsizetype line) { return record.header < line; });
    return at == inFileOrder_.begin() ? std::nullopt : std::optional((at - 1)->ref);
}

// The record's lines (header to last) as the set's key and record changes of it leave them,
// those changes' bytes then going with the move; none when a change of it reaches beyond it or
// removes it.
std::optional<Lines> MovePass::takeChangesOf(qsizetype header, qsizetype last,
                                             std::vector<size_t>& taken) {
    const LineBuffer& items = s_.items();
    std::vector<Edit>& edits = s_.edits;
    const qsizetype begin = items.lineStart(header);
    const qsizetype end =
        last + 1 < items.lineCount() ? items.lineStart(last + 1) : items.bytes().size();
    QByteArray bytes = items.bytes().sliced(begin, end - begin);
    findEarlierEdits();
    taken = editsOfRecord_.value(header);
    for (const size_t k : taken) {
        const Edit& edit = edits[k];
        const ChangeKind kind = s_.changes[edit.change].kind;
        if ((kind != ChangeKind::Key && kind != ChangeKind::Record) || edit.splice.offset < begin ||
            edit.splice.offset + edit.splice.removed.size() > end)
            return std::nullopt;
    }
    // From the end of the record towards its start, so that each offset still holds.
    std::stable_sort(taken.begin(), taken.end(), [&](size_t a, size_t b) {
        return edits[a].splice.offset > edits[b].splice.offset;
    });
    for (const size_t k : taken) {
        bytes.replace(edits[k].splice.offset - begin, edits[k].splice.removed.size(),
                      edits[k].splice.inserted);
        edits[k].moved = true;
    }
    const LineBuffer moved(std::move(bytes));
    Lines lines;
    for (qsizetype k = 0, end = lastLineOf(moved); k <= end; ++k)
        lines.append(moved.lineBytes(k).toByteArray());
    return lines.isEmpty() ? std::nullopt : std::optional(lines);
}

// The byte changes made so far of each record and name record, by their index. Every change
// that moves or adds nothing is planned before the moves: the first move finds them all, once.
void MovePass::findEarlierEdits() {
    if (editsFound_)
        return;
    editsFound_ = true;
    for (size_t k = 0; k < s_.edits.size(); ++k) {
        const Change& change = s_.changes[s_.edits[k].change];
        if (s_.edits[k].file == GameFile::Items)
            editsOfRecord_[s_.headerOf(s_.edits[k].change)].push_back(k);
        else if (change.kind == ChangeKind::Names && change.nowLines && change.baseLines)
            nameEdits_.insert(change.item.id, qsizetype(k));
    }
}

void MovePass::nameMove(size_t i) {
    const Change& change = s_.changes[i];
    const NameRecordLines record = s_.game.nameRecord(change.item.id);
    if (record.opening < 0)
        return s_.conflict(i);
    const bool placed = change.after && s_.namesAfter.contains(change.after->id);
    if (!moveThreeWay(i, nameRecordBefore(record.opening), placed))
        return;
    std::optional<Lines> lines = s_.game.nameRecordLines(change.item.id);
    // A change of the record's lines the set made goes with it.
    findEarlierEdits();
    if (const qsizetype k = nameEdits_.value(change.item.id, -1); k >= 0) {
        lines = s_.changes[s_.edits[size_t(k)].change].nowLines;
        s_.edits[size_t(k)].moved = true;
    }
    s_.add(GameFile::Names, removeNameRecord(s_, record), i);
    s_.add(GameFile::Names, insertNameRecord(s_, change, *lines), i);
}

// The name record before the one that opens at `opening`: the first record of each id.
std::optional<ItemRef> MovePass::nameRecordBefore(qsizetype opening) {
    const LineBuffer& names = s_.names();
    if (nameOrder_.empty())
        for (qsizetype k = 0; k < names.lineCount(); ++k)
            if (const QByteArrayView line = names.lineBytes(k); isNameOpening(line))
                if (QString id = openingIdText(line); s_.game.nameRecord(id).opening == k)
                    nameOrder_.emplace_back(k, std::move(id));
    const auto at = std::lower_bound(nameOrder_.begin(), nameOrder_.end(), opening,
                                     [](const std::pair<qsizetype, QString>& entry,
                                        qsizetype line) { return entry.first < line; });
    if (at == nameOrder_.begin())
        return std::nullopt;
    return ItemRef{CategoryId::Weapon, (at - 1)->second, 1};
}

} // namespace wed
