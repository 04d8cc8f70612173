#pragma once

#include "bench_game.h"

#include <QString>
#include <vector>

namespace bench {

// Ten mods of the 300,000-line folder, each a folder changing 1,000 fields (each two mods next
// to each other in the list meet on two fields with different values: 20 conflicts), made once
// per program: the merge's and the mod list window's benchmarks share them.
inline constexpr int kTenMods = 10;

struct TenMods {
    const GameFolder& base;
    std::vector<QString> paths; // the mods' folders, in the list's order
};

const TenMods& tenMods();

} // namespace bench
