// The modder's rules on the 300,000-line folder, each against its peer without rules, both
// measured within one round so that a busy machine slows both alike:
// - check with ten rules (five columns, and five checks that read them) against check without
//   rules (limit 2);
// - a recipe that sets the price of every weapon against set with the pattern weapon/* making
//   the same change set (limit 2). Both write the file each round;
// - the computed columns of the item typed into, recomputed after each keystroke, against that
//   keystroke's commit (limit 0.05): the sample rules' four columns (0), or ten columns (1).
#include "bench_game.h"
#include "cli/command_line.h"
#include "rules/rules.h"
#include "shown_weapon.h"

#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kLines = 300000;

// Five columns over the fields and each other, as functions and as expressions.
const QByteArray kFiveColumns = R"lua(
column { "weapon", "c1", "(Damage[1] + Damage[2]) / 2" }
column { "weapon", "c2", function(item)
  local r = item.Reload
  if not r or r[1] <= 0 then return nil end
  return item.columns.c1 * 20 / r[1]
end }
column { "weapon", "c3", "Cost / 10" }
column { "weapon", "c4", function(item) return (item.Clip or 0) * 2 end }
column { "weapon", "c5", function(item) return (item.Level or 0) * 10 end }
)lua";

// The five columns and five checks over them.
const QByteArray kTenRules = kFiveColumns + R"lua(
check { "weapon", "k1", "m", function(item) return (item.columns.c1 or 0) >= 0 end }
check { "weapon", "k2", "m", function(item) return (item.columns.c2 or 0) >= 0 end }
check { "weapon", "k3", "m", key = "Cost", function(item) return item.columns.c3 >= 0 end }
check { "weapon", "k4", "m", function(item) return item.columns.c4 >= 0 end }
check { "weapon", "k5", "m", function(item) return (item.columns.c5 or 0) >= 0 end }
)lua";

// The five columns and five more.
const QByteArray kTenColumns = kFiveColumns + R"lua(
column { "weapon", "c6", "Size[1] * Size[2]" }
column { "weapon", "c7", function(item) return item.Cost / math.max(item.columns.c2 or 1, 1) end }
column { "weapon", "c8", "BulletCount[1] * columns.c1" }
column { "weapon", "c9", function(item) return item.name .. " " .. item.id end }
column { "weapon", "c10", "(AimRange or 0) + (DamageRadius or 0)" }
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
    explicit RulesFile(const QByteArray& text) {
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

void BM_RecomputeColumnsAfterKeystroke(benchmark::State& state) {
    bench::ShownWeapon shown(kLines);
    wed::Rules rules;
    const bool sample = state.range(0) == 0;
    if (!(sample ? rules.readFile(QStringLiteral(WED_SAMPLE_DIR "/weapon-rules.lua"))
                 : rules.readText(QStringLiteral("ten.lua"), kTenColumns)))
        return state.SkipWithError("the rules were not read");
    double commit = 0, recompute = 0;
    int round = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        if (!shown.type(round++ % 2 ? QStringLiteral("15") : QStringLiteral("150")).done())
            state.SkipWithError("commit refused");
        commit += double(timer.nsecsElapsed()) / 1e9;
        timer.start();
        for (int column = 0; column < int(rules.columns().size()); ++column)
            if (rules.column(column, shown.document.game(), shown.weapon).error)
                state.SkipWithError("a column failed");
        const double one = double(timer.nsecsElapsed()) / 1e9;
        recompute += one;
        state.SetIterationTime(one);
    }
    state.counters["columns"] = double(rules.columns().size());
    state.counters["commit_us"] = commit * 1e6 / double(state.iterations());
    state.counters["ratio"] = recompute / commit;
    state.counters["limit"] = 0.05;
}
BENCHMARK(BM_RecomputeColumnsAfterKeystroke)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
