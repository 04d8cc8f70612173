// The mod list window on the 300,000-line folder with its ten mods (ten_mods.h): opening it
// (the base and the mods read, merged, the tree filled and painted), moving a mod one place
// (from the pane's move to the tree painted again), the conflicts-only filter turned on or off,
// and, beside them, the session's merge of the mods in their new order alone: the rest of a
// move is the tree's.
#include "app/document.h"
#include "ten_mods.h"
#include "window/mod_list_pane.h"
#include "window/mod_list_window.h"
#include "window/prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QStringList modPaths() {
    QStringList paths;
    for (const QString& path : bench::tenMods().paths)
        paths.append(path);
    return paths;
}

std::unique_ptr<wed::ModListWindow> openWindow(wed::Document& document, wed::Prompts& prompts) {
    auto window = std::make_unique<wed::ModListWindow>(document, prompts);
    window->setBase(bench::tenMods().base.folder());
    window->pane()->setMods(modPaths());
    window->show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window->grab());
    return window;
}

void BM_OpenModListWindow(benchmark::State& state) {
    modPaths();
    wed::Document document;
    wed::ModalPrompts prompts;
    for (auto _ : state) {
        auto window = openWindow(document, prompts);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenModListWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fifth mod moved down and back up, one place a round.
void BM_MoveMod(benchmark::State& state) {
    wed::Document document;
    wed::ModalPrompts prompts;
    const auto window = openWindow(document, prompts);
    window->pane()->list()->setCurrentRow(4);
    int round = 0;
    for (auto _ : state) {
        window->pane()->moveSelected(round++ % 2 ? -1 : 1);
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
    }
}
BENCHMARK(BM_MoveMod)->Unit(benchmark::kMillisecond)->UseRealTime();

// The conflicts-only filter turned on and off, a round each, to the tree painted again.
void BM_ConflictsOnly(benchmark::State& state) {
    wed::Document document;
    wed::ModalPrompts prompts;
    const auto window = openWindow(document, prompts);
    auto* filter = window->findChild<QCheckBox*>(QStringLiteral("ConflictsOnly"));
    for (auto _ : state) {
        filter->toggle();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
    }
}
BENCHMARK(BM_ConflictsOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The merge of a move alone: the session given the mods in the new order, read already.
void BM_MoveModMergeOnly(benchmark::State& state) {
    wed::MergeSession session;
    session.setBase(bench::tenMods().base.folder());
    QStringList paths = modPaths();
    session.setMods(paths);
    for (auto _ : state) {
        paths.swapItemsAt(4, 5);
        if (session.setMods(paths).refused())
            state.SkipWithError("the mods were refused");
    }
}
BENCHMARK(BM_MoveModMergeOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
