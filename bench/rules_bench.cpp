// The modder's rules on the 300,000-line folder, each against its peer without rules, both
// measured within one round so that a busy machine slows both alike:
// - check with ten rules (five columns, and five checks that read them) against check without
//   rules (limit 2);
// - a recipe that sets the price of every weapon against set with the pattern weapon/* making
//   the same change set (limit 2). Both write the file each round.
#include "bench_game.h"
#include "cli/command_line.h"

#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kLines = 300000;

const char kTenRules[] = R"lua(
column { "weapon", "c1", "(Damage[1] + Damage[2]) / 2" }
column { "weapon", "c2", function(item)
  local r = item.Reload
  if not r or r[1] <= 0 then return nil end
  return item.columns.c1 * 20 / r[1]
end }
column { "weapon", "c3", "Cost / 10" }
column { "weapon", "c4", function(item) return (item.Clip or 0) * 2 end }
column { "weapon", "c5", function(item) return (item.Level or 0) * 10 end }
check { "weapon", "k1", "m", function(item) return (item.columns.c1 or 0) >= 0 end }
check { "weapon", "k2", "m", function(item) return (item.columns.c2 or 0) >= 0 end }
check { "weapon", "k3", "m", key = "Cost", function(item) return item.columns.c3 >= 0 end }
check { "weapon", "k4", "m", function(item) return item.columns.c4 >= 0 end }
check { "weapon", "k5", "m", function(item) return (item.columns.c5 or 0) >= 0 end }
)lua";

const char kPriceRecipes[] = R"lua(
for name, cost in pairs { a = 150, b = 250 } do
  recipe { name, "every weapon's price", function(game)
    for item in game:items("weapon/*") do item.Cost = cost end
  end }
end
)lua";

// A rules file outside the folder, for --rules.
struct RulesFile {
    explicit RulesFile(const char* text) {
        QFile file(dir.filePath(QStringLiteral("rules.lua")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
            qFatal("cannot write the rules file");
    }
    QString path() const { return dir.filePath(QStringLiteral("rules.lua")); }
    QTemporaryDir dir;
};

// The seconds a command takes; fails the benchmark when it is misused or refused beyond
// finding problems.
double timed(benchmark::State& state, const QStringList& arguments, int worst) {
    QElapsedTimer timer;
    timer.start();
    wed::cli::CommandOutput output;
    if (wed::cli::runCommand(arguments, output) > worst)
        state.SkipWithError(output.err.constData());
    return double(timer.nsecsElapsed()) / 1e9;
}

void BM_CheckWithTenRules(benchmark::State& state) {
    static const bench::GameFolder game(kLines);
    const RulesFile rules(kTenRules);
    double bare = 0, ruled = 0;
    for (auto _ : state) {
        bare += timed(state, {QStringLiteral("check"), game.folder()}, 1);
        const double one = timed(
            state,
            {QStringLiteral("check"), game.folder(), QStringLiteral("--rules"), rules.path()}, 1);
        ruled += one;
        state.SetIterationTime(one);
    }
    state.counters["without_ms"] = bare * 1e3 / double(state.iterations());
    state.counters["ratio"] = ruled / bare;
    state.counters["limit"] = 2;
}
BENCHMARK(BM_CheckWithTenRules)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RecipeOverEveryWeapon(benchmark::State& state) {
    static const bench::GameFolder game(kLines);
    const RulesFile rules(kPriceRecipes);
    double recipe = 0, set = 0;
    int round = 0;
    for (auto _ : state) {
        const bool odd = round++ % 2;
        const double one = timed(state,
                                 {QStringLiteral("run"), game.folder(),
                                  odd ? QStringLiteral("b") : QStringLiteral("a"),
                                  QStringLiteral("--rules"), rules.path()},
                                 0);
        set += timed(state,
                     {QStringLiteral("set"), game.folder(), QStringLiteral("weapon/*"),
                      QStringLiteral("Cost"), odd ? QStringLiteral("25") : QStringLiteral("15")},
                     0);
        recipe += one;
        state.SetIterationTime(one);
    }
    state.counters["set_ms"] = set * 1e3 / double(state.iterations());
    state.counters["ratio"] = recipe / set;
    state.counters["limit"] = 2;
}
BENCHMARK(BM_RecipeOverEveryWeapon)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
