// The merge's properties over random mods of the sample folder (seeded): every change of every
// mod is in the result or loses a decision, and merging the same list twice gives the same
// bytes; a list of one mod gives that mod's folder in every record and name record.
#include "game/folder_diff.h"
#include "merge/merge_output.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>
#include <random>

namespace wed::test {
namespace {

// A copy of the sample's two files (its pictures are left out: no change here touches them).
QString copySample(TempGame& temp, const QString& name) {
    for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
        temp.writeFile(name + u'/' + QLatin1StringView(file),
                       readBytes(QStringLiteral(WED_SAMPLE_DIR "/") + QLatin1StringView(file)));
    return temp.path(name);
}

std::vector<RecordEntry> allRecords(const GameData& game) {
    std::vector<RecordEntry> all;
    for (const Category& c : categories()) {
        const std::vector<RecordEntry> some = game.records(c.id);
        all.insert(all.end(), some.begin(), some.end());
    }
    std::sort(all.begin(), all.end(), [](auto& a, auto& b) { return a.header < b.header; });
    return all;
}

// Random changes of the folder, few enough items that mods often meet on one: new values of
// key lines, records removed, added, moved, and name records changed. Each change of an item
// of its own; one the folder refuses is left out.
ChangeSet randomChanges(const GameData& game, std::mt19937& random, int mod) {
    const std::vector<RecordEntry> records = allRecords(game);
    const auto pick = [&](size_t count) { return size_t(random() % count); };
    ChangeSet set;
    QSet<QString> used;
    for (int n = 0; n < 12; ++n) {
        const size_t at = pick(24);
        const RecordEntry& record = records[at];
        if (used.contains(refText(record.ref)))
            continue;
        Change change;
        change.item = record.ref;
        const Lines lines = game.recordLinesAt(record.ref.category, record.header);
        switch (pick(6)) {
        case 0:
            change.kind = ChangeKind::Remove;
            change.baseLines = lines;
            break;
        case 1:
            change.kind = ChangeKind::Add;
            change.item.id = QStringLiteral("new%1").arg(pick(3));
            change.item.occurrence = 1;
            change.nowLines = lines;
            change.nowLines->front() =
                lines.front().left(lines.front().indexOf('=') + 1) + change.item.id.toLatin1();
            change.after = record.ref;
            break;
        case 2:
            change.kind = ChangeKind::Move;
            change.baseAfter = at == 0 ? std::nullopt : std::optional(records[at - 1].ref);
            change.after = records[pick(records.size())].ref;
            break;
        case 3:
            if (const std::optional<Lines> names = game.nameRecordLines(record.ref.id);
                names && names->size() > 2) {
                change.kind = ChangeKind::Names;
                change.baseLines = names;
                change.nowLines = names;
                (*change.nowLines)[2] += QByteArray::number(mod);
                break;
            }
            [[fallthrough]];
        default:
            change.kind = ChangeKind::Key;
            change.key = QByteArrayLiteral("Cost");
            change.base = game.value(record.ref, change.key);
            change.now = QByteArray::number(int(pick(3)) * 10 + 5);
        }
        set.push_back(change);
        const ApplyPlan plan = game.plan(set);
        if (!plan.outcome.done() || plan.conflicts() > 0 || !plan.changesBytes())
            set.pop_back();
        else
            used.insert(refText(record.ref));
    }
    return set;
}

struct Mods {
    TempGame temp;
    GameData base;
    std::vector<GameData> folders;
    std::vector<ModChanges> changes;
};

void makeMods(Mods& mods, unsigned seed, int count) {
    std::mt19937 random(seed);
    ASSERT_TRUE(mods.base.read(itemFileIn(copySample(mods.temp, "base"))).done());
    mods.folders.resize(size_t(count));
    for (int m = 0; m < count; ++m) {
        GameData& mod = mods.folders[size_t(m)];
        ASSERT_TRUE(
            mod.read(itemFileIn(copySample(mods.temp, QStringLiteral("mod%1").arg(m)))).done());
        ASSERT_TRUE(mod.apply(randomChanges(mod, random, m)).outcome.done());
        ModRead read = readMod(mods.base, {mod.folder(), ModSource::Folder}, m);
        ASSERT_TRUE(read.outcome.done());
        mods.changes.push_back(std::move(read.mod));
    }
}

// Whether a decision is about the change's thing.
bool concerns(const MergeDecision& d, const Change& c) {
    const bool names = c.kind == ChangeKind::Names || c.kind == ChangeKind::NameMove;
    return names ? d.item.id == c.item.id : d.item == c.item;
}

TEST(MergeProperty, EveryChangeIsInTheResultOrLosesADecision) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        Mods mods;
        makeMods(mods, seed, 3);
        const MergeResult result = mergeMods(mods.base, mods.changes);
        for (size_t m = 0; m < mods.changes.size(); ++m)
            for (const Change& change : mods.changes[m].changes) {
                const bool kept = std::find(result.changes.begin(), result.changes.end(), change) !=
                                  result.changes.end();
                const bool lost = std::any_of(
                    result.decisions.begin(), result.decisions.end(), [&](const auto& d) {
                        return concerns(d, change) && d.conflict() && d.loses(int(m));
                    });
                EXPECT_TRUE(kept || lost)
                    << "seed " << seed << " mod " << m << " " << refText(change.item).toStdString();
            }
        const MergedFiles files = mergedFiles(mods.base, result);
        EXPECT_TRUE(files.outcome.done()) << "seed " << seed;
        // The same mods made again, read from the disk and merged again: the same bytes.
        Mods again;
        makeMods(again, seed, 3);
        const MergedFiles second = mergedFiles(again.base, mergeMods(again.base, again.changes));
        EXPECT_EQ(second.items, files.items);
        EXPECT_EQ(second.names, files.names);
    }
}

TEST(MergeProperty, OneModGivesThatModsFolder) {
    for (unsigned seed = 11; seed <= 16; ++seed) {
        Mods mods;
        makeMods(mods, seed, 1);
        const MergedFiles files = mergedFiles(mods.base, mergeMods(mods.base, mods.changes));
        ASSERT_TRUE(files.outcome.done());
        const QString out = mods.temp.path(QStringLiteral("out"));
        ASSERT_TRUE(writeMergedFolder(mods.base, files, out).done());
        GameData merged;
        ASSERT_TRUE(merged.read(itemFileIn(out)).done());
        EXPECT_EQ(diffFolders(merged, mods.folders[0]), ChangeSet()) << "seed " << seed;
    }
}

} // namespace
} // namespace wed::test
