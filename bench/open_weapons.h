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
};

inline OpenWeapons& openWeapons() {
    static OpenWeapons made;
    return made;
}

} // namespace bench
