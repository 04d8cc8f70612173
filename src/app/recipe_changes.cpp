#include "app/recipe_changes.h"

namespace wed {

ChangeSet valueChanges(const ChangeSet& changes, const ApplyPlan& plan) {
    ChangeSet values;
    for (size_t i = 0; i < changes.size(); ++i) {
        const ChangeResult& planned = plan.results[i];
        if (changes[i].kind == ChangeKind::Key &&
            (planned.state == ChangeState::AlreadyThere || !planned.current || !planned.written))
            continue;
        Change& value = values.emplace_back(changes[i]);
        if (value.kind == ChangeKind::Key) {
            value.isTyped = false;
            value.typed.clear();
            value.base = planned.current;
            value.now = planned.written;
        }
    }
    return values;
}

void numberKeyLines(const GameData& game, ChangeSet& values) {
    for (Change& value : values) {
        if (value.kind != ChangeKind::Key)
            continue;
        const CategoryId category = value.item.category;
        const qsizetype header = game.headerOf(value.item);
        value.keyOccurrence = game.keyOccurrence(category, header, value.key,
                                                 game.keyLine(category, header, value.key, 0));
    }
}

} // namespace wed
