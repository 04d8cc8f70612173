// A merge of ten mods of the 300,000-line folder, each changing 1,000 fields (each two mods
// next to each other in the list meet on two fields with different values: 20 conflicts), from
// reading the eleven folders to the merged files' bytes in memory; against reading the eleven
// folders and building their item lists, in the same run.
#include "bench_game.h"
#include "merge/merge_output.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kLines = 300000;
constexpr int kMods = 10;
constexpr int kFields = 1000;
constexpr int kShared = 2; // fields each mod shares with the next (the last with the first)

const bench::GameFolder& folder() {
    static const bench::GameFolder game(kLines);
    return game;
}

struct Field {
    wed::ItemRef item;
    QByteArray key;
    QByteArray value;
};

// Numeric fields of the folder, one per item and key, items first.
std::vector<Field> fields(const wed::GameData& game, size_t count) {
    std::vector<Field> found;
    for (const char* key : {"Cost", "Level", "Weight"})
        for (const wed::Category& c : wed::categories())
            for (const wed::RecordEntry& record : game.records(c.id)) {
                if (found.size() == count)
                    return found;
                if (const auto value = game.value(record.ref, key))
                    found.push_back({record.ref, key, *value});
            }
    return found;
}

// The ten mods, made once: mod m changes the fields from m * (1,000 - 2) on, the last wrapping
// round to the first mod's, each to a value of its own.
const std::vector<QString>& mods() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    static const std::vector<QString> paths = [] {
        wed::GameData base;
        base.read(folder().itemFile());
        const size_t stride = kFields - kShared;
        const std::vector<Field> all = fields(base, kMods * stride);
        std::vector<QString> made;
        for (int m = 0; m < kMods; ++m) {
            auto dir = std::make_unique<QTemporaryDir>();
            QDir().mkpath(dir->filePath(QStringLiteral("Text")));
            for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
                QFile::copy(QDir(folder().folder()).filePath(QLatin1StringView(file)),
                            dir->filePath(QLatin1StringView(file)));
            wed::ChangeSet changes;
            for (size_t j = 0; j < size_t(kFields); ++j) {
                const Field& field = all[(size_t(m) * stride + j) % all.size()];
                wed::Change change;
                change.item = field.item;
                change.key = field.key;
                change.base = field.value;
                change.now = field.value + QByteArray::number(m + 1);
                changes.push_back(change);
            }
            wed::GameData mod;
            mod.read(dir->filePath(QStringLiteral("weapon.cfg")));
            if (!mod.apply(changes).outcome.done())
                qFatal("a mod could not be made");
            made.push_back(dir->path());
            dirs.push_back(std::move(dir));
        }
        return made;
    }();
    return paths;
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
