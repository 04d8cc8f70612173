// Building the item list after the user clicks weapon.cfg: the document reads weapon.cfg and
// the name file, splits both into lines, indexes their records and lists the ids of a
// category (for implants with the pass that drops the special records and reads the skill
// costs), on game files of 3,000, 30,000 and 300,000 lines. The peer is reading the same two
// files and nothing more.
#include "app/document.h"
#include "base/path_case.h"
#include "bench_game.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const bench::GameFolder& gameFolder(qsizetype lines) {
    static std::map<qsizetype, std::unique_ptr<bench::GameFolder>> made;
    std::unique_ptr<bench::GameFolder>& game = made[lines];
    if (!game)
        game = std::make_unique<bench::GameFolder>(lines);
    return *game;
}

QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The time per line of weapon.cfg, which shows whether the work grows linearly with the file.
void setCounters(benchmark::State& state, qsizetype lines) {
    state.counters["lines"] = double(lines);
    state.counters["per_line"] = benchmark::Counter(
        double(lines), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildItemList(benchmark::State& state) {
    const bench::GameFolder& game = gameFolder(state.range(0));
    wed::Document document;
    const wed::CategoryId category = wed::categories()[size_t(state.range(1))].id;
    for (auto _ : state) {
        if (!document.open(game.itemFile()).done())
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(document.game().listed(category).entries.data());
    }
    setCounters(state, game.lines());
}

void BM_ReadGameFilesOnly(benchmark::State& state) {
    const bench::GameFolder& game = gameFolder(state.range(0));
    for (auto _ : state) {
        QByteArray items = readWhole(game.itemFile());
        QByteArray names = readWhole(
            wed::resolvePathIgnoringCase(game.folder(), QStringLiteral("Text/Weapon.txt")));
        benchmark::DoNotOptimize(items);
        benchmark::DoNotOptimize(names);
    }
    setCounters(state, game.lines());
}

// Sizes by weapon.cfg lines; categories 0 weapon, 2 implant.
BENCHMARK(BM_BuildItemList)
    ->ArgsProduct({{3000, 30000, 300000}, {0, 2}})
    ->ArgNames({"lines", "category"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadGameFilesOnly)
    ->Arg(3000)
    ->Arg(30000)
    ->Arg(300000)
    ->ArgName("lines")
    ->Unit(benchmark::kMicrosecond);

} // namespace
