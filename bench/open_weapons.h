#pragma once

#include "app/document.h"
#include "bench_game.h"

#include <memory>

namespace bench {

inline constexpr int kOpenWeapons = 10000;

// A document open on a folder of 10,000 weapons, made once per program: the window's
// benchmarks (the table, the chart) share it.
struct OpenWeapons {
    std::unique_ptr<GameFolder> folder = GameFolder::weapons(kOpenWeapons);
    wed::Document document;
    OpenWeapons() { document.open(folder->itemFile()); }

    // One keystroke's commit into the middle weapon's price: 150 and 15 by turns.
    bool typePrice(int round) {
        const wed::ListEntry middle =
            document.game().listed(wed::CategoryId::Weapon).entries[kOpenWeapons / 2];
        const wed::ItemRef weapon{wed::CategoryId::Weapon, middle.id, middle.ordinal + 1};
        document.endTyping();
        return document
            .setField(weapon, fieldIndex(wed::CategoryId::Weapon, "Cost="),
                      round % 2 ? "15" : "150", {}, wed::EditKind::Typing)
            .done();
    }
};

inline OpenWeapons& openWeapons() {
    static OpenWeapons made;
    return made;
}

} // namespace bench
