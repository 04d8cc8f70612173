#include "game/plan_state.h"

namespace wed {
namespace {

constexpr size_t kManyChanges = 16;

} // namespace

PlanState::PlanState(const GameData& game, const ChangeSet& changes)
    : game(game), changes(changes) {
    plan.results.resize(changes.size());
    if (changes.size() >= kManyChanges) {
        std::vector<const ItemRef*> refs(changes.size());
        for (size_t i = 0; i < changes.size(); ++i)
            refs[i] = &changes[i].item;
        headers_ = RecordLookup(game).headersOf(refs);
    }
    for (size_t i = 0; i < changes.size(); ++i)
        if (changes[i].kind == ChangeKind::Remove)
            if (const qsizetype header = headerOf(i); header >= 0)
                removed_.push_back(header);
    std::sort(removed_.begin(), removed_.end());
}

void PlanState::add(GameFile file, Splice splice, size_t change) {
    if (!splice.empty() && splice.removed != splice.inserted)
        edits.push_back({file, std::move(splice), change, turn});
}

Outcome planRefusal(Status status, const ItemRef&, QString detail) {
    return Outcome::of(status, {}, std::move(detail));
}

} // namespace wed
