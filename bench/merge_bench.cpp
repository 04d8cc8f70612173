// A merge of ten mods of the 300,000-line folder, each changing 1,000 fields (each two mods
// next to each other in the list meet on two fields with different values: 20 conflicts), from
// reading the eleven folders to the merged files' bytes in memory; against reading the eleven
// folders and building their item lists, in the same run.
#include "merge/merge_output.h"
#include "ten_mods.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kMods = bench::kTenMods;

const bench::GameFolder& folder() {
    return bench::tenMods().base;
}

const std::vector<QString>& mods() {
    return bench::tenMods().paths;
}

void BM_MergeTenMods(benchmark::State& state) {
    const std::vector<QString>& paths = mods();
    qsizetype conflicts = 0, changes = 0;
    for (auto _ : state) {
        wed::GameData base;
        base.read(folder().itemFile());
        std::vector<wed::ModChanges> read;
        const wed::ModReader reader(base);
        for (int m = 0; m < kMods; ++m)
            read.push_back(reader.read({paths[size_t(m)], wed::ModSource::Folder}, m).mod);
        const wed::MergeResult result = wed::mergeMods(base, read);
        const wed::MergedFiles files = wed::mergedFiles(base, result);
        if (!files.outcome.done())
            state.SkipWithError("the merged set was refused");
        conflicts = result.conflicts();
        changes = qsizetype(result.changes.size());
    }
    state.counters["conflicts"] = double(conflicts);
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_MergeTenMods)->Unit(benchmark::kMillisecond)->UseRealTime();

// The peer: the eleven folders read and every category's item list built.
void BM_BuildElevenItemLists(benchmark::State& state) {
    const std::vector<QString>& paths = mods();
    for (auto _ : state) {
        for (int m = -1; m < kMods; ++m) {
            wed::GameData game;
            game.read(m < 0 ? folder().itemFile() : wed::itemFileIn(paths[size_t(m)]));
            for (const wed::Category& c : wed::categories())
                benchmark::DoNotOptimize(game.listed(c.id).entries.data());
        }
    }
}
BENCHMARK(BM_BuildElevenItemLists)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
