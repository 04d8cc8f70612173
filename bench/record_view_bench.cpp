// Showing one item after a click, on the sample's 3,000 lines and on a file of 300,000 lines:
// the record and the name read through the document's index (no scan of either file), and the
// whole of the document's item selection, which also forms the picture's path. The item shown
// is the last weapon of the file, the worst case for a scan.
#include "app/document.h"
#include "bench_game.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

struct Opened {
    bench::GameFolder folder;
    wed::Document document;
    explicit Opened(qsizetype lines) : folder(lines) { document.open(folder.itemFile()); }
};

Opened& opened(qsizetype lines) {
    static std::map<qsizetype, std::unique_ptr<Opened>> made;
    std::unique_ptr<Opened>& game = made[lines];
    if (!game)
        game = std::make_unique<Opened>(lines);
    return *game;
}

void BM_ShowItemCoreView(benchmark::State& state) {
    const wed::Document& document = opened(state.range(0)).document;
    const wed::ListEntry& last = document.entries().back();
    for (auto _ : state) {
        wed::ItemRecord record =
            wed::readRecordAt(document.items(), wed::CategoryId::Weapon, last.headerLine);
        wed::ItemText text = wed::readItemText(document.names(), document.nameIndex(),
                                               wed::CategoryId::Weapon, last.id);
        benchmark::DoNotOptimize(record);
        benchmark::DoNotOptimize(text);
    }
    state.counters["lines"] = double(document.items().lineCount());
}
BENCHMARK(BM_ShowItemCoreView)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond);

void BM_ShowItem(benchmark::State& state) {
    wed::Document& document = opened(state.range(0)).document;
    const int last = int(document.entries().size()) - 1;
    for (auto _ : state)
        document.showItem(last);
    state.counters["lines"] = double(document.items().lineCount());
}
BENCHMARK(BM_ShowItem)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond);

} // namespace
