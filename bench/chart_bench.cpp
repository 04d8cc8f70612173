// The chart of two columns of 10,000 weapons: opening its window (points, line, list, the first
// paint; the check's marks come after it), and following one keystroke (the point moved, the
// line and the outliers found again, the plot and the list brought in step), timed from the
// document's signal to the chart's last handler, beside the keystroke's commit.
#include "bench_game.h"
#include "open_weapons.h"
#include "window/chart_window.h"
#include "window/prompts.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kWeapons = bench::kOpenWeapons;

bench::OpenWeapons& weapons() {
    return bench::openWeapons();
}

// Price against clip, the columns found by key.
void chooseAxes(wed::ChartWindow& chart) {
    const wed::CategoryTable& table = chart.points().table();
    int cost = -1, clip = -1;
    for (int c = 0; c < table.columnCount(); ++c) {
        const QString key = table.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
        cost = key == QLatin1String("Cost") ? c : cost;
        clip = key == QLatin1String("Clip") ? c : clip;
    }
    chart.setAxes(cost, clip);
}

void BM_OpenChart(benchmark::State& state) {
    wed::ModalPrompts prompts;
    for (auto _ : state) {
        auto chart = std::make_unique<wed::ChartWindow>(weapons().document, wed::CategoryId::Weapon,
                                                        prompts);
        chooseAxes(*chart);
        chart->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(chart->grab());
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
    state.counters["points"] = kWeapons;
}
BENCHMARK(BM_OpenChart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChartFollowsKeystroke(benchmark::State& state) {
    wed::Document& document = weapons().document;
    QElapsedTimer timer;
    qint64 followed = 0;
    // Connected before and after the chart's own handlers: they run in between.
    QObject::connect(&document, &wed::Document::filesChanged, [&] { timer.start(); });
    wed::ModalPrompts prompts;
    wed::ChartWindow chart(document, wed::CategoryId::Weapon, prompts);
    chooseAxes(chart);
    chart.show();
    QApplication::processEvents();
    QObject::connect(&document, &wed::Document::filesChanged,
                     [&] { followed = timer.nsecsElapsed(); });
    int round = 0;
    for (auto _ : state) {
        if (!weapons().typePrice(round++))
            state.SkipWithError("commit refused");
        state.SetIterationTime(double(followed) / 1e9);
    }
    QObject::disconnect(&document, &wed::Document::filesChanged, nullptr, nullptr);
}
BENCHMARK(BM_ChartFollowsKeystroke)->Unit(benchmark::kMicrosecond)->UseManualTime();

} // namespace
