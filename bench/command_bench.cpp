// The commands on a game folder of 300,000 lines: a check of the whole folder (14,000 items,
// twenty picture files), and a change of one value with set, in this process and as a program
// run from start to exit: the window's program weapon-editor and the command line's own
// weapon-editor-cli (beside the cost of starting each at all, and of starting any Qt program),
// against the bare minimum of any atomic save of the same file (the commit benchmark's
// BM_BareAtomicSave/300000, in the same run).
#include "app/game_check.h"
#include "bench_game.h"
#include "cli/command_line.h"
#include "data/item_list.h"

#include <QProcess>
#include <benchmark/benchmark.h>

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

// Runs the program to its exit, once a round.
void runProgram(benchmark::State& state, const char* program, const QStringList& arguments) {
    for (auto _ : state) {
        QProcess process;
        process.start(QString::fromUtf8(program), arguments);
        if (!process.waitForFinished() || process.exitCode() != 0)
            state.SkipWithError("the program failed");
    }
}

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
