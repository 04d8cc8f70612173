// The commands on a game folder of 300,000 lines: a check of the whole folder (14,000 items,
// twenty picture files), and a change of one value with set, in this process and as a program
// run from start to exit: the window's program weapon-editor and the command line's own
// weapon-editor-cli (beside the cost of starting each at all, and of starting any Qt program),
// against the bare minimum of any atomic save of the same file (the commit benchmark's
// BM_BareAtomicSave/300000, in the same run).
//
// Two of them are ratios, each measured within one round so that a busy machine slows both
// sides alike: a check of a folder eight times as large against the 300,000-line one (without
// pictures, so that every item is a problem found: the work must grow with the lines and the
// problems alike, limit 9), and set as the command line's program against the sum of the
// program's start, reading the folder with its item list, and a bare atomic save (limit 1.5).
#include "app/game_check.h"
#include "bench_game.h"
#include "cli/command_line.h"
#include "data/item_list.h"

#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

constexpr qsizetype kLines = 300000;

const bench::GameFolder& pictured() {
    static const bench::GameFolder game(kLines, true);
    return game;
}

void BM_CheckFolder(benchmark::State& state) {
    const bench::GameFolder& game = pictured();
    int status = 0;
    qsizetype problems = 0;
    for (auto _ : state) {
        wed::cli::CommandOutput output;
        status = wed::cli::runCommand({QStringLiteral("check"), game.folder()}, output);
        problems = output.out.count('\n');
    }
    wed::GameData reading;
    reading.read(game.itemFile(), false);
    size_t items = 0;
    for (const wed::Category& c : wed::categories())
        items += reading.listed(c.id).entries.size();
    state.counters["lines"] = double(game.lines());
    state.counters["items"] = double(items);
    state.counters["pictures"] = game.pictures();
    state.counters["problems"] = double(problems);
    if (status > 1)
        state.SkipWithError("check misused");
}
BENCHMARK(BM_CheckFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The seconds a call takes.
double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The problems a check of the folder finds.
qsizetype checkProblems(const bench::GameFolder& game) {
    wed::cli::CommandOutput output;
    if (wed::cli::runCommand({QStringLiteral("check"), game.folder()}, output) > 1)
        qFatal("check misused");
    return output.out.count('\n');
}

void BM_CheckGrowth(benchmark::State& state) {
    static const bench::GameFolder small(kLines), large(kLines * 8);
    double smallTime = 0, largeTime = 0;
    qsizetype smallProblems = 0, largeProblems = 0;
    for (auto _ : state) {
        const double one = secondsOf([&] { smallProblems = checkProblems(small); });
        const double eight = secondsOf([&] { largeProblems = checkProblems(large); });
        smallTime += one;
        largeTime += eight;
        state.SetIterationTime(eight);
    }
    state.counters["lines"] = double(large.lines());
    state.counters["problems"] = double(largeProblems);
    state.counters["problems_300k"] = double(smallProblems);
    state.counters["ms_300k"] = smallTime * 1e3 / double(state.iterations());
    state.counters["ratio"] = largeTime / smallTime;
    state.counters["limit"] = 9;
}
BENCHMARK(BM_CheckGrowth)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The last weapon's price, alternately two values, so that every run writes.
QStringList setArguments(const bench::GameFolder& game, int round) {
    return {QStringLiteral("set"), game.folder(), QStringLiteral("weapon/fist_wasp_50"),
            QStringLiteral("Cost"), round % 2 ? QStringLiteral("15") : QStringLiteral("150")};
}

void BM_SetCommand(benchmark::State& state) {
    static const bench::GameFolder game(kLines);
    int round = 0;
    for (auto _ : state) {
        wed::cli::CommandOutput output;
        if (wed::cli::runCommand(setArguments(game, round++), output) != 0)
            state.SkipWithError(output.err.constData());
    }
}
BENCHMARK(BM_SetCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SetProgram(benchmark::State& state, const char* program) {
    static const bench::GameFolder game(kLines);
    int round = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(QString::fromUtf8(program), setArguments(game, round++));
        if (!process.waitForFinished() || process.exitCode() != 0)
            state.SkipWithError("set failed");
    }
}
BENCHMARK_CAPTURE(BM_SetProgram, editor, WED_PROGRAM)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_SetProgram, cli, WED_CLI_PROGRAM)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Runs the program to its exit; false when it failed.
bool ranProgram(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Runs the program to its exit, once a round.
void runProgram(benchmark::State& state, const char* program, const QStringList& arguments) {
    for (auto _ : state)
        if (!ranProgram(program, arguments))
            state.SkipWithError("the program failed");
}

// Set as the command line's program, against what no program that changes a value of this
// folder can do without: start (the help, which reads no file), read the folder with its item
// list, and save the file atomically. Each round measures all four.
void BM_SetProgramShare(benchmark::State& state) {
    static const bench::GameFolder game(kLines);
    const QByteArray bytes = game.itemBytes();
    double set = 0, floor = 0;
    int round = 0;
    bool failed = false;
    for (auto _ : state) {
        const double start =
            secondsOf([&] { failed |= !ranProgram(WED_CLI_PROGRAM, {QStringLiteral("help")}); });
        const double read = secondsOf([&] {
            wed::GameData reading;
            failed |= !reading.read(game.itemFile()).done();
            benchmark::DoNotOptimize(reading.listed(wed::CategoryId::Weapon).entries.data());
        });
        const double save =
            secondsOf([&] { failed |= !bench::bareAtomicSave(game.itemFile(), bytes); });
        const double one =
            secondsOf([&] { failed |= !ranProgram(WED_CLI_PROGRAM, setArguments(game, round++)); });
        set += one;
        floor += start + read + save;
        state.SetIterationTime(one);
    }
    if (failed)
        state.SkipWithError("a step failed");
    state.counters["floor_ms"] = floor * 1e3 / double(state.iterations());
    state.counters["ratio"] = set / floor;
    state.counters["limit"] = 1.5;
}
BENCHMARK(BM_SetProgramShare)->UseManualTime()->Unit(benchmark::kMillisecond);

// What starting and ending a program costs by itself: the help, which reads no file.
void BM_ProgramStart(benchmark::State& state, const char* program) {
    runProgram(state, program, {QStringLiteral("help")});
}
BENCHMARK_CAPTURE(BM_ProgramStart, editor, WED_PROGRAM)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ProgramStart, cli, WED_CLI_PROGRAM)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor under any Qt program: one that starts and ends at once, linked with Qt Core alone
// (0) or with Qt Gui too (1), as the editor's core is (its history and pictures are Qt Gui's).
void BM_EmptyQtProgram(benchmark::State& state) {
    runProgram(state, state.range(0) ? WED_EMPTY_GUI : WED_EMPTY_CORE, {});
}
BENCHMARK(BM_EmptyQtProgram)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
