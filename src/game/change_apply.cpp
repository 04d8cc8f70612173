// A change set worked out against the folder, change by change and three-way, into the byte
// changes that make it; then written in one save per file.
#include "game/game_data.h"

#include "game/change_check.h"
#include "game/plan_keys.h"
#include "game/plan_moves.h"
#include "game/plan_names.h"
#include "game/plan_order.h"
#include "game/plan_overlaps.h"
#include "game/plan_records.h"
#include "game/plan_state.h"

namespace wed {
namespace {

// The passes a set goes through: each change by its kind, in the order that places added and
// moved records (plan_order.h), then the byte changes of all put together (plan_overlaps.h).
class Planner {
  public:
    Planner(const GameData& game, const ChangeSet& changes) : game_(game), changes_(changes) {}

    ApplyPlan run() {
        SetCheck check = checkChangeSet(changes_);
        if (!check.outcome.done()) {
            ApplyPlan refused;
            refused.results.resize(changes_.size());
            refused.outcome = std::move(check.outcome);
            refused.refusedAt = check.refusedAt;
            refused.contradicts = check.contradicts;
            refused.valueRefused = check.valueRefused;
            return refused;
        }
        PlanState s(game_, changes_);
        KeyPass keys(s, std::move(check.typedLines));
        MovePass moves(s);
        const std::vector<size_t> turns = planningOrder(changes_);
        for (s.turn = 0; s.turn < turns.size() && s.plan.outcome.done(); ++s.turn) {
            const size_t i = turns[s.turn];
            s.plan.refusedAt = qsizetype(i);
            planChange(s, keys, moves, i);
        }
        if (!s.plan.outcome.done())
            return std::move(s.plan);
        s.plan.refusedAt = -1;
        moves.keepOccurrences();
        // The byte changes a move took along are made by the move.
        std::erase_if(s.edits, [](const Edit& edit) { return edit.moved; });
        markOverlaps(s);
        handOver(s);
        return std::move(s.plan);
    }

  private:
    void planChange(PlanState& s, KeyPass& keys, MovePass& moves, size_t i) const {
        const Change& change = changes_[i];
        switch (change.kind) {
        case ChangeKind::Key:
            return change.isTyped ? keys.typed(i) : keys.key(i);
        case ChangeKind::Record:
        case ChangeKind::Add:
        case ChangeKind::Remove:
            return planRecord(s, i);
        case ChangeKind::Names:
            return planNames(s, i);
        case ChangeKind::Move:
            return moves.move(i);
        case ChangeKind::NameMove:
            return moves.nameMove(i);
        }
    }

    const GameData& game_;
    const ChangeSet& changes_;
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
    return apply(plan(changes), skipConflicts, changed);
}

ApplyPlan GameData::apply(ApplyPlan planned, bool skipConflicts, FilesChanged* changed) {
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
