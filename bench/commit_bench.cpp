// One keystroke's commit into the item file (check against the buffer, rewrite the line, save
// atomically, the buffer follows) against the bare minimum of any atomic save: the same bytes
// written to a temporary file in the same folder, flushed to disk and renamed. Disk syncs vary
// a lot from one moment to the next: compare the two with --benchmark_repetitions=10
// --benchmark_enable_random_interleaving=true.
#include "base/line_buffer.h"
#include "edit/line_rewrite.h"
#include "edit/write_line.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The sample game's weapon.cfg, or a file of the same size and shape when it is missing.
QByteArray itemFileBytes() {
    QFile sample(QStringLiteral(WED_SAMPLE_DIR "/weapon.cfg"));
    if (sample.open(QIODevice::ReadOnly))
        return sample.readAll();
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += i % 20 == 5 ? "Cost=" + QByteArray::number(i) + "\r\n"
                             : "Damage=" + QByteArray::number(i) + " 20\r\n";
    return bytes;
}

// The line number of the price line nearest the middle of the file.
qsizetype middleCostLine(const wed::LineBuffer& items) {
    for (qsizetype index = items.lineCount() / 2; index < items.lineCount(); ++index)
        if (items.lineBytes(index).startsWith("Cost="))
            return index + 1;
    return 1;
}

struct Folder {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("weapon.cfg"));
    QByteArray bytes = itemFileBytes();

    Folder() {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

void BM_CommitKeystroke(benchmark::State& state) {
    Folder folder;
    wed::LineBuffer items(folder.bytes);
    const qsizetype line = middleCostLine(items);
    const QByteArray values[2] = {"Cost=15", "Cost=150"};
    int round = 0;
    for (auto _ : state) {
        const wed::FileOutcome outcome =
            wed::commitLine(folder.path, items, line, values[round++ % 2]);
        if (!outcome.ok())
            state.SkipWithError("commit refused");
    }
    state.counters["lines"] = double(items.lineCount());
}
BENCHMARK(BM_CommitKeystroke)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_BareAtomicSave(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        QSaveFile file(folder.path);
        file.open(QIODevice::WriteOnly);
        file.write(folder.bytes);
        if (!file.commit())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_BareAtomicSave)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The editor's own work in a commit without the disk: compare, rewrite, re-index the buffer.
void BM_CommitInMemory(benchmark::State& state) {
    const QByteArray bytes = itemFileBytes();
    wed::LineBuffer items(bytes);
    const qsizetype line = middleCostLine(items);
    for (auto _ : state) {
        const QByteArray onDisk = items.bytes();
        benchmark::DoNotOptimize(onDisk == items.bytes());
        items.setBytes(*wed::rewriteLine(onDisk, line, "Cost=150", false));
    }
}
BENCHMARK(BM_CommitInMemory)->Unit(benchmark::kMicrosecond);

} // namespace
