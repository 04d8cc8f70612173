// Showing one item after a click, on the sample's 3,000 lines and on a file of 300,000 lines:
// the record and the name read through the model's index (no scan of either file), and the
// whole of the window's item selection, which also fills the panel's fields, forms the
// picture's path and draws the picture. The item shown is the last weapon of the file, the
// worst case for a scan.
#include "app/document.h"
#include "bench_game.h"
#include "window/form1.h"

#include <QListWidget>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

struct Opened {
    bench::GameFolder folder;
    wed::Form1 window;
    explicit Opened(qsizetype lines) : folder(lines) { window.openGameFolder(folder.folder()); }
};

Opened& opened(qsizetype lines) {
    static std::map<qsizetype, std::unique_ptr<Opened>> made;
    std::unique_ptr<Opened>& game = made[lines];
    if (!game)
        game = std::make_unique<Opened>(lines);
    return *game;
}

void BM_ShowItemCoreView(benchmark::State& state) {
    const wed::GameData& game = opened(state.range(0)).window.document().game();
    const wed::ListEntry last = game.listed(wed::CategoryId::Weapon).entries.back();
    for (auto _ : state) {
        wed::ItemRecord record = game.record(wed::CategoryId::Weapon, last.headerLine);
        wed::ItemText text = game.itemText(wed::CategoryId::Weapon, last.id);
        benchmark::DoNotOptimize(record);
        benchmark::DoNotOptimize(text);
    }
    state.counters["lines"] = double(game.items().lineCount());
}
BENCHMARK(BM_ShowItemCoreView)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond);

void BM_ShowItem(benchmark::State& state) {
    wed::Form1& window = opened(state.range(0)).window;
    QListWidget* list = window.itemList();
    for (auto _ : state) {
        list->clearSelection();
        list->setCurrentRow(list->count() - 1); // a click on the last row
    }
    state.counters["lines"] = double(window.document().game().items().lineCount());
}
BENCHMARK(BM_ShowItem)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond);

} // namespace
