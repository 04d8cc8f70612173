// One keystroke's commit through the document (the field's line rebuilt, the file checked
// against the buffer, rewritten atomically, the buffer and the history following), and one undo
// of such a step, against the bare minimum of any atomic save that survives a power cut: the
// same bytes written to a temporary file in the same folder, flushed to disk and renamed, and
// the folder synced so that the rename is on the disk too. Disk syncs vary a lot from
// one moment to the next: compare them with --benchmark_repetitions=10
// --benchmark_enable_random_interleaving=true.
#include "edit/file_commit.h"
#include "shown_weapon.h"

#include <benchmark/benchmark.h>

namespace {

using bench::ShownWeapon;

void BM_CommitKeystroke(benchmark::State& state) {
    ShownWeapon shown(state.range(0));
    int round = 0;
    for (auto _ : state)
        if (!shown.type(round++ % 2 ? QStringLiteral("15") : QStringLiteral("150")).done())
            state.SkipWithError("commit refused");
    state.counters["lines"] = double(shown.document.game().items().lineCount());
}

void BM_UndoStep(benchmark::State& state) {
    ShownWeapon shown(state.range(0));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool typed =
            shown.type(round++ % 2 ? QStringLiteral("15") : QStringLiteral("150")).done();
        state.ResumeTiming();
        if (!typed || !shown.document.undo().done())
            state.SkipWithError("undo refused");
    }
}

// An item copied under a new id: its record into weapon.cfg and its name record into the name
// file, both saved and guarded, one step of the history. Each copy is undone outside the time.
void BM_CopyItem(benchmark::State& state) {
    ShownWeapon shown(state.range(0));
    for (auto _ : state) {
        if (!shown.document.copyItem(shown.weapon, QStringLiteral("bench_copy")).done())
            state.SkipWithError("copy refused");
        state.PauseTiming();
        shown.document.undo();
        state.ResumeTiming();
    }
}

// The peer of a copy's second save: a guarded, atomic commit of the name file with one line
// changed, as a keystroke commits weapon.cfg.
void BM_CommitNameFile(benchmark::State& state) {
    ShownWeapon shown(state.range(0));
    const QString path = shown.document.game().nameFilePath();
    QByteArray held = shown.document.game().names().bytes();
    int round = 0;
    for (auto _ : state) {
        QByteArray next = held;
        next[0] = round++ % 2 ? '<' : '[';
        if (!wed::commitFile({path, held, next}).done())
            state.SkipWithError("commit refused");
        held = std::move(next);
    }
}

void BM_BareAtomicSave(benchmark::State& state) {
    bench::GameFolder folder(state.range(0));
    const QByteArray bytes = folder.itemBytes();
    for (auto _ : state)
        if (!bench::bareAtomicSave(folder.itemFile(), bytes))
            state.SkipWithError("save failed");
}

BENCHMARK(BM_CommitKeystroke)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_UndoStep)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CopyItem)->Arg(300000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CommitNameFile)->Arg(300000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_BareAtomicSave)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
