// Showing one item after a click: the record scan of weapon.cfg (fields and line numbers) and
// the name scan of the name file, over buffers already in memory, on the sample's 3,000 lines
// and on a file of 300,000 lines. The item shown is the last weapon of the file, the worst case.
#include "base/category.h"
#include "base/line_buffer.h"
#include "data/item_list.h"
#include "data/record_view.h"
#include "sample_game.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

struct Buffers {
    wed::LineBuffer items;
    wed::LineBuffer names;
    QString lastWeapon;
};

const Buffers& buffers(qsizetype lines) {
    static std::map<qsizetype, Buffers> made;
    auto found = made.find(lines);
    if (found == made.end()) {
        const wed::sample::SampleText text = wed::sample::makeSampleText(lines);
        Buffers b{wed::LineBuffer(text.itemFile), wed::LineBuffer(text.nameFile), {}};
        b.lastWeapon =
            wed::listItemIds(b.items, wed::category(wed::CategoryId::Weapon)).constLast();
        found = made.emplace(lines, std::move(b)).first;
    }
    return found->second;
}

void BM_ShowItem(benchmark::State& state) {
    const Buffers& b = buffers(state.range(0));
    for (auto _ : state) {
        wed::ItemRecord record =
            wed::readItemRecord(b.items, wed::CategoryId::Weapon, b.lastWeapon);
        wed::ItemText text = wed::readItemText(b.names, wed::CategoryId::Weapon, b.lastWeapon);
        benchmark::DoNotOptimize(record);
        benchmark::DoNotOptimize(text);
    }
    state.counters["lines"] = double(b.items.lineCount());
}
BENCHMARK(BM_ShowItem)->Arg(0)->Arg(300000)->Unit(benchmark::kMicrosecond);

} // namespace
