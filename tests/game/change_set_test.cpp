// Change sets: a diff of two folders carried as a patch and applied to the first gives the
// second byte for byte; applying is three-way, change by change, and atomic.
#include "game/folder_diff.h"
#include "game/patch_file.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

// Odd ids and values, two records of one id, an implant the window never lists, bytes the
// code page cannot decode outside every record, and a last line without a line end.
QByteArray baseItems() {
    return ansiLines({"; comment", "Weapon=gun", "Cost=700", "Sound3D=a=b", "Cost=1", kEnd,
                      "Weapon=dup", "Cost=1", kEnd, "Weapon=dup", "Cost=2", kEnd, "Weapon= a#b/枪 ",
                      "Cost=", "Clip=-", kEnd, "Implant=RandItems_1", "Cost=5", ";**"}) +
           "\r\n;\x81\x30\xff\r\nArmor=vest\r\nHp=80";
}
const QStringList kNames{"<gun>", "x", QStringLiteral("名称：      枪"), "", "<dup>", "x", "y"};

class ChangeSets : public testing::Test {
  protected:
    void SetUp() override {
        for (TempGame* game : {&base, &mod, &target}) {
            game->writeFile(QStringLiteral("weapon.cfg"), baseItems());
            game->writeNames(kNames);
        }
    }
    static GameData read(const TempGame& game) {
        GameData data;
        EXPECT_FALSE(data.read(game.path(QStringLiteral("weapon.cfg"))).refused());
        return data;
    }
    // The patch that makes `base` into `mod`, read back.
    ChangeSet patch() {
        const PatchText text = writePatch(diffFolders(read(base), read(mod)));
        EXPECT_TRUE(text.refused.done());
        const PatchRead back = readPatch(text.text);
        EXPECT_TRUE(back.outcome.done()) << back.outcome.detail.toStdString();
        EXPECT_EQ(back.changes, diffFolders(read(base), read(mod)));
        return back.changes;
    }
    void expectTargetIsMod() {
        EXPECT_EQ(target.readFile("weapon.cfg"), mod.readFile("weapon.cfg"));
        EXPECT_EQ(target.readFile("Text/Weapon.txt"), mod.readFile("Text/Weapon.txt"));
    }
    TempGame base, mod, target;
};

TEST_F(ChangeSets, ADiffCarriedAsAPatchMakesTheBaseIntoTheModByteForByte) {
    QByteArray items = baseItems();
    items.replace("Cost=700", "Cost=7\t0\x18")
        .replace("Sound3D=a=b", "Sound3D=-")
        .replace("Clip=-", "Clip=")
        .replace("Cost=2", "Cost=\\e\\n");
    items.replace("Weapon=dup\r\nCost=1\r\n", "Weapon=dup\r\nCost=1\r\nLevel=3\r\n");
    items.replace("Armor=vest\r\nHp=80",
                  "Armor=vest\r\nHp=80\r\n" + kEnd.toLatin1() + "\r\nArmor=new one\r\nHp=1");
    items.replace("Implant=RandItems_1\r\nCost=5\r\n;**\r\n", "");
    mod.writeFile(QStringLiteral("weapon.cfg"), items);
    mod.writeNames({"<gun>", "x", QStringLiteral("名称：      新枪"), "", "<dup>", "x", "y", "",
                    "<new one>", "z"});
    const ChangeSet changes = patch();
    ASSERT_EQ(changes.size(), 10u) << writePatch(changes).text.constData();
    GameData folder = read(target);
    const ApplyPlan applied = folder.apply(changes);
    ASSERT_TRUE(applied.outcome.done()) << applied.outcome.detail.toStdString();
    expectTargetIsMod();
    // Applied again, every change is there already: nothing to do.
    const ApplyPlan again = folder.apply(changes);
    EXPECT_TRUE(again.outcome.done());
    EXPECT_FALSE(again.changesBytes());
    // The diff the other way gives the base's bytes back.
    ASSERT_TRUE(folder.apply(diffFolders(read(target), read(base))).outcome.done());
    for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
        EXPECT_EQ(target.readFile(file), base.readFile(file)) << file;
}

// References mean the folder before the set: the second "dup" stays the second.
TEST_F(ChangeSets, ReferencesMeanTheFolderBeforeTheSet) {
    QByteArray items = baseItems();
    items.replace("Weapon=dup\r\nCost=1\r\n" + kEnd.toLatin1() + "\r\n", "");
    items.replace("Cost=2", "Cost=3");
    mod.writeFile(QStringLiteral("weapon.cfg"), items);
    const ChangeSet changes = patch();
    ASSERT_EQ(changes.size(), 2u) << "dup#1 removed, dup#2 changed, not dup#1 changed";
    ASSERT_TRUE(read(target).apply(changes).outcome.done());
    expectTargetIsMod();
}

// A folder whose lines changed in their places is diffed from the lines that differ; it gives
// what the whole diff gives, also where such a line begins, ends or splits a record or name
// record. The whole diff is the one of the folder with a line before all others.
TEST_F(ChangeSets, LinesChangedInPlaceGiveTheWholeDiff) {
    const std::vector<std::pair<qsizetype, QByteArray>> items{
        {2, "Cost=7\rx"}, {3, ";**"}, {5, "Cost=9"},  {7, "Weapon=gun"},
        {9, "Armor=dup"}, {17, ""},   {0, "; other"}, {21, "Hp=81"}};
    const std::vector<std::pair<qsizetype, QString>> names{
        {1, ""}, {3, "z"}, {5, "w"}, {6, "<gun>"}};
    const auto diff = [&](const QByteArray& before, DiffNotes& notes) {
        for (const QString& file :
             {QStringLiteral("weapon.cfg"), QStringLiteral("Text/Weapon.txt")})
            target.writeFile(file, before + mod.readFile(file));
        return diffFolders(read(base), read(target), &notes);
    };
    for (size_t i = 0; i < items.size() + names.size(); ++i) {
        QList<QByteArray> lines = baseItems().split('\n');
        QStringList nameLines = kNames;
        if (i < items.size())
            lines[items[i].first] =
                items[i].second + (items[i].first + 1 < lines.size() ? "\r" : "");
        else
            nameLines[names[i - items.size()].first] = names[i - items.size()].second;
        mod.writeFile(QStringLiteral("weapon.cfg"), lines.join('\n'));
        mod.writeNames(nameLines);
        DiffNotes inPlace, whole;
        EXPECT_EQ(diff({}, inPlace), diff("pad\r\n", whole)) << i;
        for (GameFile file : {GameFile::Items, GameFile::Names})
            EXPECT_EQ(inPlace.outsideDiffers[size_t(file)],
                      outsideLines(read(base), file) != outsideLines(read(mod), file))
                << i;
        ASSERT_EQ(inPlace.undecodable.size(), whole.undecodable.size()) << i;
        for (size_t n = 0; n < whole.undecodable.size(); ++n)
            EXPECT_EQ(inPlace.undecodable[n].line + 1, whole.undecodable[n].line) << i;
    }
}

// Records and name records added to empty files stay lines of their own, each parted from the
// next as the files part them.
TEST_F(ChangeSets, RecordsAddedToEmptyFilesKeepTheirLinesApart) {
    for (TempGame* game : {&base, &target}) {
        game->writeFile(QStringLiteral("weapon.cfg"), {});
        game->writeFile(QStringLiteral("Text/Weapon.txt"), {});
    }
    mod.writeItems({"Weapon=a", "Cost=1", kEnd, "Weapon=b", "Cost=2", kEnd});
    mod.writeNames({"<a>", "x", "", "<b>", "y"});
    ASSERT_TRUE(read(target).apply(patch()).outcome.done());
    EXPECT_EQ(target.readFile("weapon.cfg"), mod.readFile("weapon.cfg") + "\r\n");
    EXPECT_EQ(target.readFile("Text/Weapon.txt"), mod.readFile("Text/Weapon.txt") + "\r\n");
}

TEST_F(ChangeSets, AConflictWritesNothingUnlessTheRestIsToBeWritten) {
    QByteArray items = baseItems();
    mod.writeFile(QStringLiteral("weapon.cfg"),
                  QByteArray(items).replace("Cost=700", "Cost=770").replace("Cost=2", "Cost=4"));
    target.writeFile(QStringLiteral("weapon.cfg"),
                     QByteArray(items).replace("Cost=700", "Cost=800"));
    const ChangeSet changes = patch();
    GameData folder = read(target);
    const QByteArray before = target.readFile("weapon.cfg");
    const ApplyPlan refused = folder.apply(changes);
    EXPECT_EQ(refused.outcome.status, Status::ChangeConflicts);
    EXPECT_EQ(refused.results[0].state, ChangeState::Conflict);
    EXPECT_EQ(refused.results[0].current, QByteArray("800"));
    EXPECT_EQ(target.readFile("weapon.cfg"), before);
    ASSERT_TRUE(folder.apply(changes, true).outcome.done());
    EXPECT_EQ(target.readFile("weapon.cfg"), QByteArray(before).replace("Cost=2", "Cost=4"));
}

// A record and a name record that stand elsewhere are moves, each after the record it now
// follows; a record moved and changed gets both. Where the folder has the record in another
// place than the base had it, the move is a conflict.
TEST_F(ChangeSets, MovedRecordsAndNameRecordsAreMovesAppliedThreeWay) {
    const QByteArray gun =
        "Weapon=gun\r\nCost=700\r\nSound3D=a=b\r\nCost=1\r\n" + kEnd.toLatin1() + "\r\n";
    const auto movedGun = [&](const QByteArray& before, const QByteArray& record) {
        QByteArray items = baseItems().replace(gun, "");
        return items.replace(before, record + before);
    };
    mod.writeFile(QStringLiteral("weapon.cfg"),
                  movedGun("Weapon= a#b", QByteArray(gun).replace("Cost=700", "Cost=750")));
    mod.writeNames({"<dup>", "x", "y", "", "<gun>", "x", QStringLiteral("名称：      枪")});
    const ChangeSet changes = patch();
    ASSERT_EQ(changes.size(), 3u) << writePatch(changes).text.constData();
    EXPECT_EQ(changes[1].kind, ChangeKind::Move);
    EXPECT_EQ(changes[1].after, (ItemRef{CategoryId::Weapon, "dup", 2}));
    EXPECT_EQ(changes[2].kind, ChangeKind::NameMove);
    GameData folder = read(target);
    ASSERT_TRUE(folder.apply(changes).outcome.done());
    expectTargetIsMod();
    EXPECT_FALSE(folder.apply(changes).changesBytes());

    const QByteArray elsewhere = movedGun("Armor=vest", gun);
    target.writeFile(QStringLiteral("weapon.cfg"), elsewhere);
    const ApplyPlan refused = read(target).apply(changes);
    EXPECT_EQ(refused.outcome.status, Status::ChangeConflicts);
    EXPECT_EQ(refused.results[1].state, ChangeState::Conflict);
    EXPECT_EQ(refused.results[1].currentAfter, (ItemRef{CategoryId::Implant, "RandItems_1", 1}));
    EXPECT_EQ(target.readFile("weapon.cfg"), elsewhere);
}

TEST_F(ChangeSets, ValuesThatWouldCorruptTheFileAreRefused) {
    const ItemRef gun{CategoryId::Weapon, "gun", 1};
    Change change;
    change.item = gun;
    change.base = "700";
    // A lone LF or CR, in a key or a value, would start a line of its own (a header too).
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"Cost", "1\r\n2"},         {"Co=st", "1"},  {"Weapon", "x"}, {"", "1"},
        {"Cost", "x\nWeapon=evil"}, {"Cost", "1\r"}, {"Co\nst", "1"}};
    for (const auto& [key, now] : cases) {
        change.key = key;
        change.now = now;
        EXPECT_FALSE(read(target).apply({change}).outcome.done()) << key.constData();
    }
    Change record;
    record.kind = ChangeKind::Add;
    record.item = {CategoryId::Weapon, "new", 1};
    record.nowLines = Lines{"Weapon=new", "Armor=inside"};
    EXPECT_EQ(read(target).apply({record}).outcome.status, Status::NotARecord);
    record.nowLines = Lines{"Weapon=new", "Cost=1\nWeapon=evil"};
    EXPECT_EQ(read(target).apply({record}).outcome.status, Status::LineBreakInValue);
    // A text whose header names another item would be added again on every apply.
    record.nowLines = Lines{"Weapon=other", "Cost=1"};
    EXPECT_EQ(read(target).apply({record}).outcome.status, Status::RecordNotItsItem);
    EXPECT_EQ(target.readFile("weapon.cfg"), baseItems());
}

// A set that changes one thing twice says two things of it: refused, naming both lines.
TEST_F(ChangeSets, APatchThatChangesOneThingTwiceIsRefusedNamingBothLines) {
    const QByteArray end = "\\n;**************************";
    const QByteArray cases[] = {
        "key\tweapon/gun\tCost\t700\t1\nkey\tweapon/gun\tCost\t700\t2\n",
        "key\tweapon/gun\tLevel\t-\t1\nkey\tweapon/gun\tLevel\t-\t1\n",
        "key\tweapon/gun\tCost\t700\t1\nremove\tweapon/gun\t-\tWeapon=gun\t-\n",
        "add\tweapon/n\t-\t-\tWeapon=n" + end + "\nadd\tweapon/n\t-\t-\tWeapon=n\\nCost=2" + end +
            "\n",
        "add\tweapon/dup#2\t-\t-\tWeapon=dup" + end + "\nremove\tweapon/dup#2\t-\tWeapon=dup\t-\n",
        "names\tgun\t-\t<gun>\\nx\t-\nnames\tgun\t-\t<gun>\\nx\t<gun>\\ny\n",
        "move\tweapon/gun\t-\t-\tweapon/dup\nmove\tweapon/gun\t-\t-\tweapon/dup#2\n",
        "move\tweapon/gun\t-\t-\tweapon/dup\nremove\tweapon/gun\t-\tWeapon=gun\t-\n",
        "remove\tweapon/gun\t-\tWeapon=gun\t-\nmove\tweapon/gun\t-\t-\tweapon/dup\n",
        "move\t<gun>\t-\t-\t<dup>\nnames\tgun\t-\t<gun>\\nx\t-\n",
        "move\t<gun>\t-\t-\t<dup>\nmove\t<gun>\t-\t-\t<x>\n",
    };
    for (const QByteArray& lines : cases) {
        const PatchRead patch = readPatch("weapon-editor patch 1\n# two\n" + lines);
        ASSERT_TRUE(patch.outcome.done()) << lines.constData();
        const ApplyPlan plan = read(target).apply(patch.changes);
        const Outcome refusal = patchRefusal(plan, patch, QStringLiteral("p"));
        EXPECT_EQ(refusal.status, Status::ChangedTwice) << lines.constData();
        EXPECT_EQ(refusal.line, 4) << lines.constData();
        EXPECT_EQ(refusal.detail, QStringLiteral("3")) << lines.constData();
    }
    EXPECT_EQ(target.readFile("weapon.cfg"), baseItems());
}

// Each fault of a patch's text is told by what it is, at its line and column; a patch whose
// last line has no line feed is cut off, and not one of its lines applies.
TEST_F(ChangeSets, AMalformedPatchIsToldByWhatIsWrongAndWhere) {
    struct Case {
        QByteArray text;
        Status status;
        qsizetype line, column;
    };
    const QByteArray first = "weapon-editor patch 1\n";
    const Case cases[] = {
        {"weapon-editor patch 2\n", Status::PatchFirstLine, 1, 1},
        {first + "\xff\n", Status::PatchNotUtf8, 2, 1},
        {first + "# fine\nkey\tweapon/gun\tCost\t1\n", Status::PatchColumnCount, 3, 22},
        {"weapon-editor patch 1\r\nswap\tweapon/gun\t-\t-\t-\r\n", Status::PatchUnknownKind, 2, 1},
        {first + "key\tgun\tCost\t1\t2\n", Status::PatchNotAReference, 2, 5},
        {first + "move\tweapon/gun\tweapon/dup\t-\t-\n", Status::PatchBadMove, 2, 17},
        {first + "move\t<gun>\t-\tweapon/dup\t-\n", Status::PatchBadMove, 2, 14},
        {first + "key\tweapon/gun\tCost\t\\q\t2\n", Status::PatchBadEscape, 2, 21},
        {first + "key\tweapon/gun\tCost\t1\t2\\\n", Status::PatchTrailingBackslash, 2, 24},
        {first + "key\tweapon/gun\tCost#x\t1\t2\n", Status::PatchBadOccurrence, 2, 21},
        {first + "add\tweapon/x\t-\tWeapon=x\tWeapon=x\n", Status::PatchNewWanted, 2, 16},
        {"\xEF\xBB\xBF" + first + "key\tweapon/gun\tCost\t1\t\xED\x95\x9C\n", Status::Unencodable,
         2, 23},
        {first + "key\tweapon/gun\tCost\t700\t70\nkey\tweapon/dup\tCost\t1\t7", Status::PatchCutOff,
         3, 24},
    };
    for (const Case& c : cases) {
        const PatchRead read = readPatch(c.text);
        EXPECT_EQ(read.outcome.status, c.status) << c.text.constData();
        EXPECT_EQ(read.outcome.line, c.line) << c.text.constData();
        EXPECT_EQ(read.outcome.column, c.column) << c.text.constData();
        EXPECT_TRUE(read.changes.empty());
    }
}

} // namespace
} // namespace wed::test
