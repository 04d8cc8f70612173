// The table of a category of 10,000 weapons: opening its window (the model over the document,
// the view, the first paint), without and with ten computed columns (at most 1.5 times), sorting a
// numeric column (its sort keys included), and one edit of 1,000 cells (one save) against one
// keystroke's commit on the same file.
#include "app/category_table.h"
#include "bench_game.h"
#include "open_weapons.h"
#include "rules/rules.h"
#include "window/prompts.h"
#include "window/table_window.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kWeapons = bench::kOpenWeapons;

bench::OpenWeapons& weapons() {
    return bench::openWeapons();
}

const int kCostColumn = wed::TableColumns(wed::CategoryId::Weapon, nullptr)
                            .columnOf(bench::fieldIndex(wed::CategoryId::Weapon, "Cost="));

// Ten computed columns of the kinds a mod writes: expressions and functions over the fields,
// and columns that read other columns.
const char kTenColumns[] = R"lua(
column { "weapon", "c1", "(Damage[1] + Damage[2]) / 2" }
column { "weapon", "c2", "Cost * 2" }
column { "weapon", "c3", "Reload[1] + Reload[2]" }
column { "weapon", "c4", "Clip * BulletCount[1]" }
column { "weapon", "c5", function(item) return item.columns["c1"] * item.BulletCount[1] end }
column { "weapon", "c6", function(item) return item.Cost / math.max(item.columns["c1"], 1) end }
column { "weapon", "c7", "Size[1] * Size[2]" }
column { "weapon", "c8", function(item) return item.Level > 2 end }
column { "weapon", "c9", function(item) return item.ref end }
column { "weapon", "c10", "AimRange + DamageRadius" }
)lua";

// Opening the table, with the rules' computed columns (state.range(0) == 1) or without them,
// scrolled to its last columns.
void BM_OpenTable(benchmark::State& state) {
    wed::ModalPrompts prompts;
    wed::Rules rules;
    if (!rules.readText(QStringLiteral("bench.lua"), kTenColumns) || rules.columns().size() != 10)
        state.SkipWithError("the rules did not load");
    for (auto _ : state) {
        auto table = std::make_unique<wed::TableWindow>(weapons().document, wed::CategoryId::Weapon,
                                                        prompts);
        if (state.range(0))
            table->setRules(&rules);
        table->show();
        // The last columns in sight, so that the computed ones are painted, not only laid out.
        const QAbstractItemModel* shown = table->view()->model();
        table->view()->scrollTo(shown->index(0, shown->columnCount() - 1));
        QApplication::processEvents();
        benchmark::DoNotOptimize(table->grab());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = kWeapons;
    state.counters["computed"] = state.range(0) ? 10 : 0;
}
BENCHMARK(BM_OpenTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    int round = 0;
    for (auto _ : state)
        if (!weapons().typePrice(round++))
            state.SkipWithError("commit refused");
}
BENCHMARK(BM_CommitKeystrokeTenThousandWeapons)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
