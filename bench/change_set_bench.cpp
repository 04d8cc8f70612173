// Change sets on a game folder of 300,000 lines: a set of 1,000 changes applied in one save
// against a set of one change (both on a model already read, in this process), and a diff of
// two such folders against building both folders' item lists.
#include "bench_game.h"
#include "game/folder_diff.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kLines = 300000;

const bench::GameFolder& folder() {
    static const bench::GameFolder game(kLines);
    return game;
}

// The price of the first `count` weapons, each from its value now to `price`.
wed::ChangeSet prices(const wed::GameData& game, int count, const QByteArray& price) {
    wed::ChangeSet changes;
    for (const wed::ListEntry& entry : game.listed(wed::CategoryId::Weapon).entries) {
        if (int(changes.size()) == count)
            break;
        const wed::ItemRef item{wed::CategoryId::Weapon, entry.id, entry.ordinal + 1};
        if (const qsizetype line = game.keyLine(wed::CategoryId::Weapon, entry.headerLine, "Cost");
            line >= 0) {
            wed::Change change;
            change.item = item;
            change.key = "Cost";
            change.base = game.items().lineBytes(line).sliced(5).toByteArray();
            change.now = price;
            changes.push_back(change);
        }
    }
    return changes;
}

void applySets(benchmark::State& state, int count) {
    wed::GameData game;
    game.read(folder().itemFile());
    int round = 0;
    qsizetype changed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const wed::ChangeSet changes = prices(game, count, round++ % 2 ? "15" : "150");
        state.ResumeTiming();
        const wed::ApplyPlan applied = game.apply(changes);
        if (!applied.outcome.done())
            state.SkipWithError("set refused");
        changed = qsizetype(changes.size());
    }
    state.counters["changes"] = double(changed);
}

void BM_ApplyOneChange(benchmark::State& state) {
    applySets(state, 1);
}
BENCHMARK(BM_ApplyOneChange)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ApplyThousandChanges(benchmark::State& state) {
    applySets(state, 1000);
}
BENCHMARK(BM_ApplyThousandChanges)->Unit(benchmark::kMillisecond)->UseRealTime();

// A second folder like the first, with a hundred prices changed (to a price the sets above never
// write, which share the first folder).
const QTemporaryDir& modified() {
    static const QTemporaryDir dir = [] {
        QTemporaryDir made;
        QDir().mkpath(made.filePath(QStringLiteral("Text")));
        for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
            QFile::copy(QDir(folder().folder()).filePath(QLatin1StringView(file)),
                        made.filePath(QLatin1StringView(file)));
        wed::GameData game;
        game.read(made.filePath(QStringLiteral("weapon.cfg")));
        game.apply(prices(game, 100, "1234"));
        return made;
    }();
    return dir;
}

void BM_DiffFolders(benchmark::State& state) {
    const QString modifiedItems = modified().filePath(QStringLiteral("weapon.cfg"));
    qsizetype changes = 0;
    for (auto _ : state) {
        wed::GameData base, mod;
        base.read(folder().itemFile());
        mod.read(modifiedItems);
        changes = qsizetype(wed::diffFolders(base, mod).size());
    }
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_DiffFolders)->Unit(benchmark::kMillisecond)->UseRealTime();

// The peer: both folders read and every category's item list built.
void BM_BuildBothItemLists(benchmark::State& state) {
    const QString modifiedItems = modified().filePath(QStringLiteral("weapon.cfg"));
    for (auto _ : state)
        for (const QString& path : {folder().itemFile(), modifiedItems}) {
            wed::GameData game;
            game.read(path);
            for (const wed::Category& c : wed::categories())
                benchmark::DoNotOptimize(game.listed(c.id).entries.data());
        }
}
BENCHMARK(BM_BuildBothItemLists)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

namespace {
void BM_PlanThousandChanges(benchmark::State& state) {
    wed::GameData game;
    game.read(folder().itemFile());
    const wed::ChangeSet changes = prices(game, 1000, "99999");
    for (auto _ : state)
        benchmark::DoNotOptimize(game.plan(changes).made[0].size());
}
BENCHMARK(BM_PlanThousandChanges)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
