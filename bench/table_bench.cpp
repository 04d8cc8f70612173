// The table of a category of 10,000 weapons: opening its window (the model over the document,
// the view, the first paint), sorting a numeric column (its sort keys included), and one edit of
// 1,000 cells (one save) against one keystroke's commit on the same file.
#include "app/category_table.h"
#include "bench_game.h"
#include "window/prompts.h"
#include "window/table_window.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kWeapons = 10000;

struct Weapons {
    std::unique_ptr<bench::GameFolder> folder = bench::GameFolder::weapons(kWeapons);
    wed::Document document;
    Weapons() { document.open(folder->itemFile()); }
};

Weapons& weapons() {
    static Weapons made;
    return made;
}

const int kCostColumn =
    wed::CategoryTable::kFirstField + bench::fieldIndex(wed::CategoryId::Weapon, "Cost=");

void BM_OpenTable(benchmark::State& state) {
    wed::ModalPrompts prompts;
    for (auto _ : state) {
        auto table = std::make_unique<wed::TableWindow>(weapons().document, wed::CategoryId::Weapon,
                                                        prompts);
        table->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(table->grab());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = kWeapons;
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortNumericColumn(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto table =
            std::make_unique<wed::CategoryTable>(weapons().document, wed::CategoryId::Weapon);
        wed::TableSortFilter rows(*table);
        state.ResumeTiming();
        rows.sort(kCostColumn, Qt::DescendingOrder);
        benchmark::DoNotOptimize(rows.index(0, 0));
    }
}
BENCHMARK(BM_SortNumericColumn)->Unit(benchmark::kMillisecond);

void BM_EditThousandCells(benchmark::State& state) {
    wed::Document& document = weapons().document;
    wed::CategoryTable table(document, wed::CategoryId::Weapon);
    std::vector<int> rows;
    for (int row = 0; row < kWeapons; row += kWeapons / 1000)
        rows.push_back(row);
    for (auto _ : state) {
        if (!table.editCells(rows, kCostColumn, QStringLiteral("*1.1")).done())
            state.SkipWithError("edit refused");
        state.PauseTiming();
        document.undo();
        state.ResumeTiming();
    }
    state.counters["cells"] = double(rows.size());
}
BENCHMARK(BM_EditThousandCells)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The peer: one keystroke into a price field of the same file.
void BM_CommitKeystrokeTenThousandWeapons(benchmark::State& state) {
    wed::Document& document = weapons().document;
    const wed::ListEntry middle =
        document.game().listed(wed::CategoryId::Weapon).entries[kWeapons / 2];
    const wed::ItemRef weapon{wed::CategoryId::Weapon, middle.id, middle.ordinal + 1};
    const int cost = bench::fieldIndex(wed::CategoryId::Weapon, "Cost=");
    int round = 0;
    for (auto _ : state) {
        document.endTyping();
        if (!document.setField(weapon, cost, round++ % 2 ? "15" : "150", {}, wed::EditKind::Typing)
                 .done())
            state.SkipWithError("commit refused");
    }
}
BENCHMARK(BM_CommitKeystrokeTenThousandWeapons)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
