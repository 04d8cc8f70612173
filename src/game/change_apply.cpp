// A change set worked out against the folder, change by change and three-way, into the byte
// changes that make it; then written in one save per file.
#include "game/game_data.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "data/value_check.h"
#include "edit/field_line.h"
#include "edit/line_splices.h"
#include "game/change_check.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace wed {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

Outcome refusal(Status status, const ItemRef&, QString detail = {}) {
    return Outcome::of(status, {}, std::move(detail));
}

// Lines end at CR LF only: a lone CR or LF is an ordinary character of a line, which a file
// value may hold; a CR LF would split it.
bool holdsLineBreak(QByteArrayView bytes) {
    return bytes.contains("\r\n");
}

// A change's byte change of one file, and the change it belongs to.
struct Edit {
    GameFile file;
    Splice splice;
    size_t change;
    size_t planned; // the change's turn in planning
    // Of the insertions at one place: before the others, in the order of their turns, or after
    // them.
    enum class Among { First, InTurn, Last } among = Among::InTurn;
    bool moved = false; // made on the lines of a record the set moves, which take it along

    // Where an insertion stands among those at its place, in file order.
    std::pair<int, size_t> rank() const { return {int(among), planned}; }
};

// A stable sort of the edits that costs one pass when they are in order already, or in the
// reverse of it with no two alike: a set's changes come in the order of the file.
template <typename Less> void sortEdits(std::vector<Edit>& edits, Less less) {
    if (std::is_sorted(edits.begin(), edits.end(), less))
        return;
    const auto notBefore = [&](const Edit& a, const Edit& b) { return !less(b, a); };
    if (std::adjacent_find(edits.begin(), edits.end(), notBefore) == edits.end())
        return std::reverse(edits.begin(), edits.end());
    std::stable_sort(edits.begin(), edits.end(), less);
}

class Planner {
  public:
    Planner(const GameData& game, const ChangeSet& changes) : game_(game), changes_(changes) {}

    ApplyPlan run() {
        plan_.results.resize(changes_.size());
        if (SetCheck check = checkChangeSet(changes_); !check.outcome.done()) {
            plan_.outcome = std::move(check.outcome);
            plan_.refusedAt = check.refusedAt;
            plan_.contradicts = check.contradicts;
            return std::move(plan_);
        }
        findHeaders();
        for (size_t i = 0; i < changes_.size(); ++i)
            if (changes_[i].kind == ChangeKind::Remove)
                if (const qsizetype header = headerOf(i); header >= 0)
                    removed_.push_back(header);
        std::sort(removed_.begin(), removed_.end());
        const std::vector<size_t> turns = planningOrder();
        for (turn_ = 0; turn_ < turns.size() && plan_.outcome.done(); ++turn_) {
            plan_.refusedAt = qsizetype(turns[turn_]);
            planChange(turns[turn_]);
        }
        if (!plan_.outcome.done())
            return std::move(plan_);
        plan_.refusedAt = -1;
        std::erase_if(edits_, [](const Edit& edit) { return edit.moved; });
        markOverlaps();
        order();
        return std::move(plan_);
    }

  private:
    const LineBuffer& items() const { return game_.items(); }

    // The order the changes are planned in: the set's, except that a record (or name record)
    // the set adds or moves comes after the one it follows, where the set adds or moves that
    // one, and an added record after those of its id added or moved with an earlier
    // occurrence; with moves, after every change that adds or moves nothing. Each then finds
    // where those go, and an added record's reference names it after the set too.
    std::vector<size_t> planningOrder() const {
        const size_t n = changes_.size();
        QHash<QString, qsizetype> added;
        QHash<QString, std::vector<size_t>> ofId;
        for (size_t i = 0; i < n; ++i)
            if (const std::optional<QString> key = addedKey(changes_[i])) {
                added.insert(*key, qsizetype(i));
                if (changes_[i].kind == ChangeKind::Add || changes_[i].kind == ChangeKind::Move)
                    ofId[refText({changes_[i].item.category, changes_[i].item.id, 1})].push_back(i);
            }
        if (added.isEmpty())
            return iota(n);
        std::vector<std::array<qsizetype, 3>> needs(n, {-1, -1, -1});
        for (size_t i = 0; i < n; ++i)
            if (const Change& change = changes_[i]; addedKey(change) && change.after)
                needs[i][0] = added.value(
                    ofNames(change) ? nameKey(change.after->id) : refText(*change.after), -1);
        for (std::vector<size_t>& id : ofId) {
            std::stable_sort(id.begin(), id.end(), [&](size_t a, size_t b) {
                return changes_[a].item.occurrence < changes_[b].item.occurrence;
            });
            // An added record goes after the earlier ones of its id the set adds or moves.
            std::array<qsizetype, 2> last{-1, -1};
            for (const size_t k : id) {
                const bool move = changes_[k].kind == ChangeKind::Move;
                if (!move)
                    std::copy(last.begin(), last.end(), needs[k].begin() + 1);
                last[move ? 1 : 0] = qsizetype(k);
            }
        }
        std::vector<size_t> turns = afterTheirNeeds(needs);
        // A move takes its record as the set's other changes leave it: those come first.
        const auto moves = [&](size_t i) { return isMove(changes_[i]); };
        if (std::any_of(turns.begin(), turns.end(), moves))
            std::stable_partition(turns.begin(), turns.end(),
                                  [&](size_t i) { return !addedKey(changes_[i]); });
        return turns;
    }

    static bool ofNames(const Change& change) {
        return change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove;
    }

    static std::vector<size_t> iota(size_t n) {
        std::vector<size_t> turns(n);
        std::iota(turns.begin(), turns.end(), size_t(0));
        return turns;
    }

    static QString nameKey(const QString& id) { return u'<' + id + u'>'; }

    // The reference of a record the change adds or moves ("<id>" for a name record), or none.
    static std::optional<QString> addedKey(const Change& change) {
        if (change.kind == ChangeKind::Add || change.kind == ChangeKind::Move)
            return refText(change.item);
        if ((change.kind == ChangeKind::Names && !change.baseLines && change.nowLines) ||
            change.kind == ChangeKind::NameMove)
            return nameKey(change.item.id);
        return std::nullopt;
    }

    // Each change after the changes it needs, otherwise in the set's order (of a set whose needs
    // go round, one is left unmet). Without recursion: a long chain of additions is no deep
    // stack.
    static std::vector<size_t> afterTheirNeeds(const std::vector<std::array<qsizetype, 3>>& needs) {
        enum : char { Waiting, Visiting, Planned };
        std::vector<char> state(needs.size(), Waiting);
        std::vector<size_t> turns, stack;
        turns.reserve(needs.size());
        for (size_t i = 0; i < needs.size(); ++i) {
            stack.push_back(i);
            while (!stack.empty()) {
                const size_t top = stack.back();
                if (state[top] == Waiting) {
                    state[top] = Visiting;
                    for (auto need = needs[top].rbegin(); need != needs[top].rend(); ++need)
                        if (*need >= 0 && state[size_t(*need)] == Waiting)
                            stack.push_back(size_t(*need));
                    continue;
                }
                stack.pop_back();
                if (state[top] == Visiting) {
                    state[top] = Planned;
                    turns.push_back(top);
                }
            }
        }
        return turns;
    }
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
        case ChangeKind::Move:
            return planMove(i);
        case ChangeKind::NameMove:
            return planNameMove(i);
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
            edits_.push_back({file, std::move(splice), change, turn_});
    }

    // A value typed into the field of the key: the field's rules make the line.
    void planTyped(size_t i) {
        const Change& change = changes_[i];
        const qsizetype header = headerOf(i);
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
        if (Outcome broken = loneLineBreakIn(items(), line, game_.itemFilePath()); !broken.done())
            return refuse(std::move(broken));
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
        const qsizetype header = headerOf(i);
        if (header < 0) {
            plan_.results[i].state = ChangeState::Conflict;
            return;
        }
        const qsizetype line =
            game_.keyLine(change.item.category, header, key, change.keyOccurrence);
        std::optional<QByteArray> current;
        if (line >= 0)
            current = items().lineBytes(line).sliced(key.size() + 1).toByteArray();
        if (!current && !follows(i, change.item, change.key, change.keyOccurrence, header))
            return void(plan_.results[i].state = ChangeState::Conflict);
        if (!threeWay(i, current, change.base, change.now))
            return;
        if (!change.now)
            return add(GameFile::Items, removeLines(items(), line, line), i);
        QByteArray text;
        text.reserve(key.size() + 1 + change.now->size());
        text.append(key).append('=').append(*change.now);
        if (line >= 0)
            return add(GameFile::Items, replaceLines(items(), line, line, {text}), i);
        add(GameFile::Items,
            insertLinesAfter(items(), lastKeyLine(change.item.category, header), {text}), i);
    }

    // Whether a key line added as the key's occurrence-th line in its record would be that:
    // the record, or a change of the set before it, has the one before. Otherwise it would be
    // an earlier one, and a second apply would add it again.
    bool follows(size_t i, const ItemRef& item, const QByteArray& key, int occurrence,
                 qsizetype header) const {
        if (occurrence < 2 || game_.keyLine(item.category, header, key, occurrence - 1) >= 0)
            return true;
        return std::any_of(changes_.begin(), changes_.begin() + qsizetype(i), [&](const Change& c) {
            return c.kind == ChangeKind::Key && c.keyOccurrence == occurrence - 1 && c.key == key &&
                   c.item == item;
        });
    }

    // Whether a record added as its id's occurrence-th would be that: the folder has the one
    // before, or the set adds it.
    bool follows(const ItemRef& item) const {
        const ItemRef before{item.category, item.id, item.occurrence - 1};
        return item.occurrence < 2 || headerOf(before) >= 0 ||
               addedAfter_.contains(refText(before));
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
        const qsizetype header = headerOf(i);
        const std::optional<Lines> current =
            header < 0 ? std::nullopt : std::optional(game_.recordLinesAt(category, header));
        const std::optional<Lines> base =
            change.kind == ChangeKind::Add ? std::nullopt : change.baseLines;
        if (change.kind == ChangeKind::Add && !current && !follows(change.item))
            return void(plan_.results[i].state = ChangeState::Conflict);
        if (!threeWay(i, current, base, change.nowLines))
            return;
        if (change.kind == ChangeKind::Remove && identicalLater(change.item, *base))
            return void(plan_.results[i].state = ChangeState::Conflict);
        // A record without its end line ends at the next record: it goes right before that one,
        // after any lines outside records, so that it takes none of them in.
        const bool open =
            lines && !isRecordEndLine(lines->back(), categoryFields(category).endRule);
        if (change.kind == ChangeKind::Add) {
            qsizetype place = std::max(placeOf(change), afterEarlierOccurrence(change.item));
            if (open)
                place = beforeNextRecord(place);
            addedAfter_.insert(refText(change.item), place);
            addedOfId_.insert(refText({category, change.item.id, 1}), place);
            return add(GameFile::Items, insertLinesAfter(items(), place, *lines), i);
        }
        const qsizetype last = game_.recordLast(category, header);
        if (!lines)
            return add(GameFile::Items, removeLines(items(), header, last), i);
        (open ? openAfter_ : closedAfter_).insert(header);
        if (!open)
            return add(GameFile::Items, replaceLines(items(), header, last, *lines), i);
        // The lines outside records up to the next record the set keeps move before it; the
        // records the set removes on the way go with this change.
        const qsizetype end = beforeNextRecord(last);
        replacedUntil_.insert(refText(change.item), end);
        Lines moved;
        for (qsizetype k = last + 1; k <= end; ++k) {
            if (std::binary_search(removed_.begin(), removed_.end(), k)) {
                k = game_.recordLast(headerCategory(items().lineBytes(k))->id, k);
                continue;
            }
            moved.append(items().lineBytes(k).toByteArray());
        }
        // Where the record before is one without its end line, they go before that one (or
        // the one before it), which would take them in too.
        // They are an insertion of their own, before any other at its place (a record the set
        // adds there without its end line would take them in too).
        if (!moved.isEmpty()) {
            add(GameFile::Items, insertLinesAfter(items(), outsideTarget(header) - 1, moved), i);
            edits_.back().among = Edit::Among::First;
            moved.clear();
        }
        // Whole lines with their line ends, so that a removal on the way lies within.
        const bool fileEnd = end == lastLineOf(items());
        const qsizetype begin = items().lineStart(header);
        const qsizetype stop = fileEnd ? items().bytes().size() : items().lineStart(end + 1);
        QByteArray text = (moved + *lines).join("\r\n");
        if (!fileEnd || items().bytes().endsWith(kCrLf))
            text += kCrLf;
        add(GameFile::Items, {begin, items().bytes().sliced(begin, stop - begin), text}, i);
    }

    // Whether a record of the item's id after it, which the set keeps, holds the same lines:
    // then the file may be the one a first apply left, the removed record's place taken by its
    // twin, and a second removal would take that one too. Every record kept after a removed
    // one differs from it, so that the one a removal moves up never matches it again.
    bool identicalLater(const ItemRef& item, const Lines& lines) const {
        for (int k = item.occurrence + 1;; ++k) {
            const qsizetype header = headerOf(ItemRef{item.category, item.id, k});
            if (header < 0)
                return false;
            if (!std::binary_search(removed_.begin(), removed_.end(), header) &&
                game_.recordLinesAt(item.category, header) == lines)
                return true;
        }
    }

    // The header line before which lines outside records stand outside them after the set:
    // that of the record at `header`, or of the one before while that one is left, or made,
    // without its end line (records the set removes do not count).
    qsizetype outsideTarget(qsizetype header) const {
        for (;;) {
            qsizetype before = -1;
            for (qsizetype k = header - 1; k >= 0 && before < 0; --k)
                if (isRecordHeaderLine(items().lineBytes(k)) &&
                    !std::binary_search(removed_.begin(), removed_.end(), k))
                    before = k;
            if (before < 0 || closedAfter_.contains(before))
                return header;
            const Category& c = *headerCategory(items().lineBytes(before));
            const bool open = openAfter_.contains(before) ||
                              !isRecordEndLine(items().lineBytes(game_.recordLast(c.id, before)),
                                               categoryFields(c.id).endRule);
            if (!open)
                return header;
            header = before;
        }
    }

    // The last line before the next record header after the line (of a record the set keeps),
    // or the file's last line.
    qsizetype beforeNextRecord(qsizetype line) const {
        const qsizetype last = lastLineOf(items());
        for (qsizetype k = line + 1; k <= last; ++k)
            if (isRecordHeaderLine(items().lineBytes(k)) &&
                !std::binary_search(removed_.begin(), removed_.end(), k))
                return k - 1;
        return last;
    }

    // An item added as the K-th record of its id goes after the (K-1)-th that the set keeps,
    // and after the earlier ones it adds (planned first, see planningOrder), so that its
    // reference names it after the set too: a folder whose records came in another order gives
    // places that would put it before. -1 when nothing holds it back.
    qsizetype afterEarlierOccurrence(const ItemRef& item) const {
        const qsizetype added = addedOfId_.value(refText({item.category, item.id, 1}), -1);
        return std::max(added, afterEarlierKept(item));
    }

    qsizetype afterEarlierKept(const ItemRef& item) const {
        qsizetype earlier = -1;
        int kept = 0;
        for (int k = 1; kept < item.occurrence - 1; ++k) {
            const qsizetype header = game_.headerOf({item.category, item.id, k});
            if (header < 0)
                break;
            if (std::binary_search(removed_.begin(), removed_.end(), header))
                continue;
            // One the set moves stands where it goes.
            earlier = movedTo_.value(refText({item.category, item.id, k}),
                                     game_.recordLast(item.category, header));
            ++kept;
        }
        return earlier;
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
        if (movedTo_.contains(refText(*change.after)))
            return movedTo_.value(refText(*change.after));
        if (replacedUntil_.contains(refText(*change.after)))
            return replacedUntil_.value(refText(*change.after));
        if (const qsizetype header = headerOf(*change.after); header >= 0)
            return game_.recordLast(change.after->category, header);
        if (addedAfter_.contains(refText(*change.after)))
            return addedAfter_.value(refText(*change.after));
        const std::vector<qsizetype>& own = game_.itemIndex().headers(category);
        return own.empty() ? lastLineOf(items()) : game_.recordLast(category, own.back());
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
    // adds that one), or, following none, before the first name record, with an empty line
    // after it; at the end of a file that has none. A record that the end of the file ends
    // gets the empty line first.
    Splice insertNameRecord(const Change& change, Lines lines) {
        NamePlace place{change.after ? game_.nameRecord(change.after->id) : NameRecordLines{},
                        !change.after};
        // Following one the set adds or moves: where that one goes.
        const bool followsAdded = change.after && namesAfter_.contains(change.after->id);
        if (followsAdded)
            place = namesAfter_.value(change.after->id);
        namesAfter_.insert(change.item.id, place);
        if (const qsizetype first = firstNameRecord(); place.first && first >= 0) {
            lines.append(QByteArray());
            return insertLinesAfter(names(), first - 1, lines);
        }
        const NameRecordLines& after = place.after;
        if (after.opening >= 0 && after.endedByEmptyLine) {
            lines.append(QByteArray());
            return insertLinesAfter(names(), after.last + 1, lines);
        }
        const qsizetype last = after.opening >= 0 ? after.last : lastLineOf(names());
        // A record that follows one the set adds there is parted from it too.
        if (followsAdded || (last >= 0 && !names().lineBytes(last).isEmpty()))
            lines.prepend(QByteArray());
        return insertLinesAfter(names(), last, lines);
    }

    // The opening line of the name file's first record ("<id>"), or -1.
    qsizetype firstNameRecord() const {
        for (qsizetype i = 0; i < names().lineCount(); ++i)
            if (const QByteArrayView line = names().lineBytes(i);
                line.size() >= 2 && line.startsWith('<') && line.endsWith('>'))
                return i;
        return -1;
    }

    // A move, three-way on the record it follows: where that is the one the move goes after
    // (and that one stays), nothing to do; where it is the one the base had, the record goes,
    // with the set's other changes of it, after the new one (or where the set puts that one);
    // anything else, or a record the folder lacks, is a conflict.
    bool moveThreeWay(size_t i, const std::optional<ItemRef>& current, bool placed) {
        const Change& change = changes_[i];
        ChangeResult& result = plan_.results[i];
        result.currentAfter = current;
        if (current == change.after && !placed)
            return result.state = ChangeState::AlreadyThere, false;
        if (current != change.baseAfter || change.after == change.item)
            return result.state = ChangeState::Conflict, false;
        return true;
    }

    void planMove(size_t i) {
        const Change& change = changes_[i];
        const qsizetype header = headerOf(i);
        if (header < 0) {
            plan_.results[i].state = ChangeState::Conflict;
            return;
        }
        const bool placed = change.after && (movedTo_.contains(refText(*change.after)) ||
                                             addedAfter_.contains(refText(*change.after)));
        if (!moveThreeWay(i, recordBefore(header), placed))
            return;
        const qsizetype last = game_.recordLast(change.item.category, header);
        const std::optional<Lines> lines = takeChangesOf(header, last);
        if (!lines) {
            plan_.results[i].state = ChangeState::Conflict;
            return;
        }
        const qsizetype place = placeOf(change);
        movedTo_.insert(refText(change.item), place);
        add(GameFile::Items, removeLines(items(), header, last), i);
        add(GameFile::Items, insertLinesAfter(items(), place, *lines), i);
    }

    // The record that stands before the one at `header` in the folder, of any category.
    std::optional<ItemRef> recordBefore(qsizetype header) const {
        if (inFileOrder_.empty()) {
            for (const Category& c : categories()) {
                const std::vector<RecordEntry> some = game_.records(c.id);
                inFileOrder_.insert(inFileOrder_.end(), some.begin(), some.end());
            }
            std::sort(
                inFileOrder_.begin(), inFileOrder_.end(),
                [](const RecordEntry& a, const RecordEntry& b) { return a.header < b.header; });
        }
        const auto at = std::lower_bound(
            inFileOrder_.begin(), inFileOrder_.end(), header,
            [](const RecordEntry& record, qsizetype line) { return record.header < line; });
        return at == inFileOrder_.begin() ? std::nullopt : std::optional((at - 1)->ref);
    }

    // The record's lines (header to last) as the set's key and record changes of it leave them,
    // those changes' bytes then going with the move; none when a change of it reaches beyond
    // it or removes it.
    std::optional<Lines> takeChangesOf(qsizetype header, qsizetype last) {
        const qsizetype begin = items().lineStart(header);
        const qsizetype end =
            last + 1 < items().lineCount() ? items().lineStart(last + 1) : items().bytes().size();
        QByteArray bytes = items().bytes().sliced(begin, end - begin);
        findEarlierEdits();
        std::vector<size_t> taken = editsOfRecord_.value(header);
        for (const size_t k : taken) {
            const Edit& edit = edits_[k];
            const ChangeKind kind = changes_[edit.change].kind;
            if ((kind != ChangeKind::Key && kind != ChangeKind::Record) ||
                edit.splice.offset < begin || edit.splice.offset + edit.splice.removed.size() > end)
                return std::nullopt;
        }
        // From the end of the record towards its start, so that each offset still holds.
        std::stable_sort(taken.begin(), taken.end(), [&](size_t a, size_t b) {
            return edits_[a].splice.offset > edits_[b].splice.offset;
        });
        for (const size_t k : taken) {
            bytes.replace(edits_[k].splice.offset - begin, edits_[k].splice.removed.size(),
                          edits_[k].splice.inserted);
            edits_[k].moved = true;
        }
        const LineBuffer moved(std::move(bytes));
        Lines lines;
        for (qsizetype k = 0, end = lastLineOf(moved); k <= end; ++k)
            lines.append(moved.lineBytes(k).toByteArray());
        return lines.isEmpty() ? std::nullopt : std::optional(lines);
    }

    // The byte changes made so far of each record and name record, by their index. Every
    // change that moves or adds nothing is planned before the moves: the first move finds them
    // all, once.
    void findEarlierEdits() {
        if (editsFound_)
            return;
        editsFound_ = true;
        for (size_t k = 0; k < edits_.size(); ++k) {
            const Change& change = changes_[edits_[k].change];
            if (edits_[k].file == GameFile::Items)
                editsOfRecord_[headerOf(edits_[k].change)].push_back(k);
            else if (change.kind == ChangeKind::Names && change.nowLines && change.baseLines)
                nameEdits_.insert(change.item.id, qsizetype(k));
        }
    }

    void planNameMove(size_t i) {
        const Change& change = changes_[i];
        const NameRecordLines record = game_.nameRecord(change.item.id);
        if (record.opening < 0) {
            plan_.results[i].state = ChangeState::Conflict;
            return;
        }
        const bool placed = change.after && namesAfter_.contains(change.after->id);
        if (!moveThreeWay(i, nameRecordBefore(record.opening), placed))
            return;
        std::optional<Lines> lines = game_.nameRecordLines(change.item.id);
        // A change of the record's lines the set made goes with it.
        findEarlierEdits();
        if (const qsizetype k = nameEdits_.value(change.item.id, -1); k >= 0) {
            lines = changes_[edits_[size_t(k)].change].nowLines;
            edits_[size_t(k)].moved = true;
        }
        add(GameFile::Names, removeNameRecord(record), i);
        add(GameFile::Names, insertNameRecord(change, *lines), i);
    }

    // The name record before the one that opens at `opening`: the first record of each id.
    std::optional<ItemRef> nameRecordBefore(qsizetype opening) const {
        if (nameOrder_.empty())
            for (qsizetype k = 0; k < names().lineCount(); ++k)
                if (const QByteArrayView line = names().lineBytes(k);
                    line.size() >= 2 && line.startsWith('<') && line.endsWith('>'))
                    if (QString id = decodeAnsi(line.sliced(1, line.size() - 2));
                        game_.nameRecord(id).opening == k)
                        nameOrder_.emplace_back(k, std::move(id));
        const auto at = std::lower_bound(nameOrder_.begin(), nameOrder_.end(), opening,
                                         [](const std::pair<qsizetype, QString>& entry,
                                            qsizetype line) { return entry.first < line; });
        if (at == nameOrder_.begin())
            return std::nullopt;
        return ItemRef{CategoryId::Weapon, (at - 1)->second, 1};
    }

    void refuse(Outcome outcome) { plan_.outcome = std::move(outcome); }

    // The header line of an item of the folder; a set of many changes looks those of its own
    // items up all at once.
    qsizetype headerOf(const ItemRef& item) const { return game_.headerOf(item); }
    qsizetype headerOf(size_t change) const {
        return headers_.empty() ? headerOf(changes_[change].item) : headers_[change];
    }
    void findHeaders() {
        if (changes_.size() < kManyChanges)
            return;
        std::vector<const ItemRef*> items(changes_.size());
        for (size_t i = 0; i < changes_.size(); ++i)
            items[i] = &changes_[i].item;
        headers_ = RecordLookup(game_).headersOf(items);
    }
    static constexpr size_t kManyChanges = 16;

    // The records that end a file without a line end are removed with the line end before
    // them (and a name record with the empty line before it), so that the file still ends
    // without one; a record added right after those line ends goes in front of them instead,
    // and the file again ends without one.
    void insertBeforeRemovedEnd() {
        for (const Edit& removal : edits_) {
            const Splice& taken = removal.splice;
            if (taken.offset + taken.removed.size() != buffer(removal.file).bytes().size() ||
                !taken.removed.startsWith("\r\n"))
                continue;
            for (Edit& insertion : edits_) {
                const qsizetype within = insertion.splice.offset - taken.offset;
                if (insertion.file != removal.file || !insertion.splice.removed.isEmpty() ||
                    within <= 0 || within >= taken.removed.size())
                    continue;
                // The line ends in front come off its end: the same lines, turned round.
                const QByteArray before = taken.removed.first(within);
                if (onlyLineEnds(before) && insertion.splice.inserted.endsWith(before))
                    insertion.splice = {
                        taken.offset, {}, before + insertion.splice.inserted.chopped(within)};
            }
        }
    }

    static bool onlyLineEnds(QByteArrayView bytes) {
        return bytes.size() % 2 == 0 && bytes == QByteArray("\r\n").repeated(bytes.size() / 2);
    }

    // Lines added after the file's last line, which a run of removals takes away, go where
    // that run begins. This runs on the removals merged, so that one is the whole run.
    void insertBeforeRemovedTail() {
        for (const Edit& removal : edits_) {
            const qsizetype end = removal.splice.offset + removal.splice.removed.size();
            // Only a file without a final line end takes lines after its last one with a line
            // end in front.
            const QByteArray& bytes = buffer(removal.file).bytes();
            if (removal.splice.removed.isEmpty() || !removal.splice.inserted.isEmpty() ||
                end != bytes.size() || bytes.endsWith(kCrLf))
                continue;
            // The first of them (the earliest change) needs no line end in front where the
            // removal leaves one.
            bool lineEndLeft = !removal.splice.removed.startsWith("\r\n");
            for (Edit& insertion : edits_) // in file order, of one place the earliest first
                if (insertion.file == removal.file && insertion.splice.removed.isEmpty() &&
                    insertion.splice.offset == end &&
                    insertion.splice.inserted.startsWith("\r\n")) {
                    insertion.splice = {removal.splice.offset,
                                        {},
                                        lineEndLeft ? insertion.splice.inserted.sliced(2)
                                                    : insertion.splice.inserted};
                    // They stay the file's last lines, after those added where the run begins.
                    insertion.among = Edit::Among::Last;
                    lineEndLeft = false;
                }
        }
    }

    const LineBuffer& buffer(GameFile file) const {
        return file == GameFile::Items ? items() : names();
    }

    // Two removals that overlap (records that end a file without a line end each take the line
    // end before them) remove the bytes of both, once.
    void mergeRemovals() {
        for (size_t k = 1; k < edits_.size();) {
            Edit& a = edits_[k - 1];
            const Edit& b = edits_[k];
            const qsizetype end = a.splice.offset + a.splice.removed.size();
            if (a.file != b.file || !a.splice.inserted.isEmpty() || !b.splice.inserted.isEmpty() ||
                end <= b.splice.offset) {
                ++k;
                continue;
            }
            const qsizetype past = b.splice.offset + b.splice.removed.size();
            if (past > end)
                a.splice.removed += b.splice.removed.sliced(end - b.splice.offset);
            edits_.erase(edits_.begin() + qsizetype(k));
        }
    }

    // A removal of bytes another change replaces already is made by that change.
    void dropContainedRemovals() {
        for (size_t k = 1; k < edits_.size();) {
            const Edit& a = edits_[k - 1];
            const Edit& b = edits_[k];
            if (a.file == b.file && a.change != b.change && b.splice.inserted.isEmpty() &&
                b.splice.offset + b.splice.removed.size() <=
                    a.splice.offset + a.splice.removed.size())
                edits_.erase(edits_.begin() + qsizetype(k));
            else
                ++k;
        }
    }

    // Two changes of the same bytes cannot both be made: the later one is a conflict.
    void markOverlaps() {
        insertBeforeRemovedEnd();
        // An insertion where another change's bytes begin stands before them: no overlap.
        const auto inFileOrder = [](const Edit& a, const Edit& b) {
            if (a.file != b.file)
                return a.file < b.file;
            if (a.splice.offset != b.splice.offset)
                return a.splice.offset < b.splice.offset;
            if (a.splice.removed.isEmpty() != b.splice.removed.isEmpty())
                return a.splice.removed.isEmpty();
            return a.rank() < b.rank();
        };
        sortEdits(edits_, inFileOrder);
        mergeRemovals();
        dropContainedRemovals();
        insertBeforeRemovedTail();
        sortEdits(edits_, inFileOrder);
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
        sortEdits(edits_, [](const Edit& a, const Edit& b) {
            if (a.splice.offset != b.splice.offset)
                return a.splice.offset > b.splice.offset;
            if (a.splice.removed.isEmpty() != b.splice.removed.isEmpty())
                return !a.splice.removed.isEmpty();
            return a.rank() > b.rank();
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
    struct NamePlace {
        NameRecordLines after; // the record it follows, or none
        bool first = false;    // following none: before the first record
    };
    QHash<QString, NamePlace> namesAfter_;
    // The byte changes made before the moves, by the header of their record or the id of their
    // name record (a name record's change is one replacement).
    bool editsFound_ = false;
    QHash<qsizetype, std::vector<size_t>> editsOfRecord_;
    QHash<QString, qsizetype> nameEdits_;
    // Where the records the set moves go, by their reference.
    QHash<QString, qsizetype> movedTo_;
    mutable std::vector<RecordEntry> inFileOrder_;                 // every record, for the moves
    mutable std::vector<std::pair<qsizetype, QString>> nameOrder_; // name records' openings
    // Of each id (by its first reference), where the last record the set adds of it goes.
    QHash<QString, qsizetype> addedOfId_;
    size_t turn_ = 0; // of the change being planned
    // The records without their end line the set writes, and the line their change reaches.
    QHash<QString, qsizetype> replacedUntil_;
    // The header lines of records the set writes without, and with, their end line.
    QSet<qsizetype> openAfter_, closedAfter_;
    std::vector<qsizetype> headers_; // of the changes' items, for a set of many
    std::vector<qsizetype> removed_; // the header lines of the records the set removes
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
