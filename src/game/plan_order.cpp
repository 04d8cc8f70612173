#include "game/plan_order.h"

#include "data/item_ref.h"
#include "data/name_record.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <numeric>

namespace wed {
namespace {

bool ofNames(const Change& change) {
    return change.kind == ChangeKind::Names || change.kind == ChangeKind::NameMove;
}

std::vector<size_t> iota(size_t n) {
    std::vector<size_t> turns(n);
    std::iota(turns.begin(), turns.end(), size_t(0));
    return turns;
}

// The reference of a record the change adds or moves ("<id>" for a name record), or none.
std::optional<QString> addedKey(const Change& change) {
    if (change.kind == ChangeKind::Add || change.kind == ChangeKind::Move)
        return refText(change.item);
    if ((change.kind == ChangeKind::Names && !change.baseLines && change.nowLines) ||
        change.kind == ChangeKind::NameMove)
        return nameOpening(change.item.id);
    return std::nullopt;
}

// Each change after the changes it needs, otherwise in the set's order (of a set whose needs
// go round, one is left unmet). Without recursion: a long chain of additions is no deep
// stack.
std::vector<size_t> afterTheirNeeds(const std::vector<std::array<qsizetype, 3>>& needs) {
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

} // namespace

std::vector<size_t> planningOrder(const ChangeSet& changes) {
    const size_t n = changes.size();
    QHash<QString, qsizetype> added;
    QHash<QString, std::vector<size_t>> ofId;
    for (size_t i = 0; i < n; ++i)
        if (const std::optional<QString> key = addedKey(changes[i])) {
            added.insert(*key, qsizetype(i));
            if (changes[i].kind == ChangeKind::Add || changes[i].kind == ChangeKind::Move)
                ofId[refText({changes[i].item.category, changes[i].item.id, 1})].push_back(i);
        }
    if (added.isEmpty())
        return iota(n);
    std::vector<std::array<qsizetype, 3>> needs(n, {-1, -1, -1});
    for (size_t i = 0; i < n; ++i)
        if (const Change& change = changes[i]; addedKey(change) && change.after)
            needs[i][0] = added.value(
                ofNames(change) ? nameOpening(change.after->id) : refText(*change.after), -1);
    for (std::vector<size_t>& id : ofId) {
        std::stable_sort(id.begin(), id.end(), [&](size_t a, size_t b) {
            return changes[a].item.occurrence < changes[b].item.occurrence;
        });
        // An added record goes after the earlier ones of its id the set adds or moves.
        std::array<qsizetype, 2> last{-1, -1};
        for (const size_t k : id) {
            const bool move = changes[k].kind == ChangeKind::Move;
            if (!move)
                std::copy(last.begin(), last.end(), needs[k].begin() + 1);
            last[move ? 1 : 0] = qsizetype(k);
        }
    }
    std::vector<size_t> turns = afterTheirNeeds(needs);
    // A move takes its record as the set's other changes leave it: those come first.
    const auto moves = [&](size_t i) { return isMove(changes[i]); };
    if (std::any_of(turns.begin(), turns.end(), moves))
        std::stable_partition(turns.begin(), turns.end(),
                              [&](size_t i) { return !addedKey(changes[i]); });
    return turns;
}

} // namespace wed
