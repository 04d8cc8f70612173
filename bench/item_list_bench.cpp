// Building the item list after the user clicks weapon.cfg: read weapon.cfg and the name file
// from disk, split both into lines and list the ids of a category (for implants with the pass
// that drops the special records and reads the skill costs), on game files of 3,000, 30,000
// and 300,000 lines. The peer is reading the same two files and nothing more.
#include "base/category.h"
#include "base/line_buffer.h"
#include "base/path_case.h"
#include "data/item_list.h"
#include "data/skill_costs.h"
#include "sample_game.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// A game folder with files of about the given number of lines, made once per size.
struct GameFiles {
    QTemporaryDir dir;
    qsizetype lines = 0;
};

const GameFiles& gameFiles(qsizetype lines) {
    static std::map<qsizetype, std::unique_ptr<GameFiles>> made;
    std::unique_ptr<GameFiles>& game = made[lines];
    if (!game) {
        game = std::make_unique<GameFiles>();
        const wed::sample::SampleText text = wed::sample::makeSampleText(lines);
        QDir(game->dir.path()).mkpath(QStringLiteral("Text"));
        for (const auto& [name, bytes] :
             {std::pair{QStringLiteral("weapon.cfg"), text.itemFile},
              std::pair{QStringLiteral("Text/Weapon.txt"), text.nameFile}}) {
            QFile file(game->dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write the benchmark's game files");
        }
        game->lines = text.itemLines;
    }
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
    const GameFiles& game = gameFiles(state.range(0));
    const wed::Category& category = wed::categories()[size_t(state.range(1))];
    const QString folder = game.dir.path();
    wed::SkillCosts costs;
    for (auto _ : state) {
        wed::LineBuffer items(readWhole(QDir(folder).filePath(QStringLiteral("weapon.cfg"))));
        wed::LineBuffer names(
            readWhole(wed::resolvePathIgnoringCase(folder, QStringLiteral("Text/Weapon.txt"))));
        QStringList ids =
            wed::listItemIds(items, category, [&] { wed::LoadSkillCosts(items, costs); });
        benchmark::DoNotOptimize(ids);
        benchmark::DoNotOptimize(names);
    }
    setCounters(state, game.lines);
}

void BM_ReadGameFilesOnly(benchmark::State& state) {
    const GameFiles& game = gameFiles(state.range(0));
    const QString folder = game.dir.path();
    for (auto _ : state) {
        QByteArray items = readWhole(QDir(folder).filePath(QStringLiteral("weapon.cfg")));
        QByteArray names =
            readWhole(wed::resolvePathIgnoringCase(folder, QStringLiteral("Text/Weapon.txt")));
        benchmark::DoNotOptimize(items);
        benchmark::DoNotOptimize(names);
    }
    setCounters(state, game.lines);
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
