#pragma once

#include "app/document.h"
#include "bench_game.h"

namespace bench {

// A document on a game folder of the given size with the middle weapon shown; the field
// edited is its price.
struct ShownWeapon {
    GameFolder folder;
    wed::Document document;
    int cost = fieldIndex(wed::CategoryId::Weapon, "Cost=");

    wed::ItemRef weapon;

    explicit ShownWeapon(qsizetype lines) : folder(lines) {
        document.open(folder.itemFile());
        const auto entries = document.game().listed(wed::CategoryId::Weapon).entries;
        const wed::ListEntry& middle = entries[entries.size() / 2];
        weapon = {wed::CategoryId::Weapon, middle.id, middle.ordinal + 1};
    }
    // One keystroke's commit: a typing step of its own.
    wed::Outcome type(const QString& text) {
        document.endTyping();
        return document.setField(weapon, cost, text, {}, wed::EditKind::Typing);
    }
};

} // namespace bench
