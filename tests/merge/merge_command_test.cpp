// The merge command's refusals and faults, as a hostile user meets them: each is told, and
// nothing is written.
#include "cli/cli_run.h"
#include "merge/mod_list_file.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"

#include <QDirIterator>
#include <gtest/gtest.h>
#include <optional>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

// A game folder of one weapon at that price, with a picture of `picture` bytes when asked.
QString writeGame(TempGame& game, const QString& folder, int cost, int picture = 0) {
    game.writeItems({"Weapon=gun", QStringLiteral("Cost=%1").arg(cost), kEnd, ""},
                    folder + QStringLiteral("/weapon.cfg"));
    game.writeNames({"<gun>", "x", "123456789gun", ""},
                    folder + QStringLiteral("/Text/Weapon.txt"));
    if (picture > 0)
        game.writeFile(folder + QStringLiteral("/Images/weapon/big.tga"), QByteArray(picture, 'p'));
    return game.path(folder);
}

struct MergeInputs : testing::Test {
    TempGame game;
    QString base = writeGame(game, QStringLiteral("base"), 100);
    QString mod1 = writeGame(game, QStringLiteral("mod1"), 110);
    QString mod2 = writeGame(game, QStringLiteral("mod2"), 120);

    // The output folder's files and folders, however deep.
    QStringList entries(const QString& out) const {
        QStringList found;
        QDirIterator it(out, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(it.next());
        return found;
    }
};

TEST_F(MergeInputs, ARefusedListOrOutputWritesNothing) {
    const QString full = game.writeFile(QStringLiteral("full/keep.txt"), "mine");
    const QString patch = game.writeFile(QStringLiteral("bad.patch"),
                                         "weapon-editor patch 1\nkey\tweapon/gun\tCost\n");
    const QString out = game.path(QStringLiteral("out"));
    std::vector<std::pair<QStringList, QString>> refusals{
        {{"merge", base, mod1, mod1 + "/../mod1", "--into", out}, "同一个模组"},
        {{"merge", base, mod1, base, "--into", out}, "就是原版文件夹"},
        {{"merge", base, mod1, "--into", game.path("full")}, "不是空文件夹"},
        {{"merge", base, mod1, "--into", mod1 + "/merged"}, "在输入"},
        {{"merge", base, mod1, "--into", base + "/Text/merged"}, "在输入"},
        {{"merge", base, mod1, game.path("none"), "--into", out}, "模组 2："},
        {{"merge", base, mod1, patch, "--into", out}, "bad.patch:2"},
        {{"merge", base, mod1, mod2, "--strict", "--into", out}, "--strict"},
    };
#ifdef Q_OS_UNIX
    // An empty folder inside a mod, reached through a link.
    QFile::link(game.makeFolder("mod1/empty"), game.path("link"));
    refusals.push_back({{"merge", base, mod1, "--into", game.path("link")}, "在输入"});
#endif
    for (const auto& [arguments, message] : refusals) {
        const Ran ran = run(arguments);
        EXPECT_EQ(ran.status, 1) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(ran.err.contains(message)) << ran.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(mod1 + "/merged") ||
                     QFileInfo::exists(base + "/Text/merged"));
        EXPECT_TRUE(QDir(mod1 + "/empty").isEmpty());
    }
    EXPECT_EQ(readBytes(full), "mine");
    EXPECT_EQ(run({"merge", base, mod1, "--into", out, "--patch"}).status, 2);
    EXPECT_EQ(run({"merge", base, mod1}).status, 2);
    EXPECT_EQ(run({"merge", base, mod1, "--patch", "--json"}).status, 2);
}

// A conflict's line begins with what a choice names; the merge as a patch, applied to a copy of
// the base, gives the folder --into writes.
TEST_F(MergeInputs, TheConflictLineIsTheChoiceAndThePatchIsTheFolder) {
    const Ran merged = run({"merge", base, mod1, mod2, "--into", game.path("out")});
    EXPECT_EQ(merged.status, 1);
    EXPECT_EQ(merged.out, "weapon/gun\tCost\t110\t120\t2\n");
    const QString choices = game.writeFile("choices", "weapon/gun\tCost\t1\n");
    const QStringList chosen{"merge", base, mod1, mod2, "--choices", choices};
    EXPECT_EQ(run(chosen + QStringList{"--into", game.path("chosen")}).status, 0);
    const Ran patch = run(chosen + QStringList{"--patch"});
    EXPECT_EQ(patch.status, 0);
    const QString copy = writeGame(game, QStringLiteral("copy"), 100);
    EXPECT_EQ(run({"apply", copy, game.writeFile("merge.patch", patch.out.toUtf8())}).status, 0);
    EXPECT_EQ(readBytes(copy + "/weapon.cfg"), readBytes(game.path("chosen/weapon.cfg")));
    EXPECT_TRUE(readBytes(copy + "/weapon.cfg").contains("Cost=110"));
}

// The disk fills in the middle of the merged folder: what was written is taken back.
TEST_F(MergeInputs, AFullDiskLeavesTheOutputFolderAsItWas) {
#ifndef WED_HAS_FILE_SIZE_LIMIT
    GTEST_SKIP() << "this system cannot limit a file's size";
#else
    writeGame(game, QStringLiteral("mod3"), 100, 64 * 1024);
    const QString out = game.makeFolder(QStringLiteral("out"));
    std::optional<FileSizeLimit> limit(std::in_place, rlim_t(16 * 1024));
    const Ran ran = run({"merge", base, mod1, game.path("mod3"), "--into", out});
    limit.reset();
    EXPECT_EQ(ran.status, 3) << ran.err.toStdString();
    EXPECT_EQ(entries(out), QStringList());
    // With room again, the same command writes the folder.
    EXPECT_EQ(run({"merge", base, mod1, game.path("mod3"), "--into", out}).status, 0);
    EXPECT_EQ(readBytes(out + "/Images/weapon/big.tga").size(), 64 * 1024);
    EXPECT_TRUE(readBytes(out + "/weapon.cfg").contains("Cost=110"));
#endif
}

TEST_F(MergeInputs, AnOutputFolderTheUserMayNotWriteIsRefused) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no permission bit stops making a file in a folder";
#else
    using P = QFile::Permission;
    const auto open =
        P::ReadOwner | P::ReadGroup | P::ReadOther | P::ExeOwner | P::ExeGroup | P::ExeOther;
    QFile::setPermissions(game.folder(), open | P::WriteOwner);
    const QString out = game.makeFolder(QStringLiteral("out"));
    QFile::setPermissions(out, open);
    // Permission bits stop a user, not an administrator: as root, the program runs as "nobody".
    const QStringList arguments{"merge", base, mod1, "--into", out};
    const Ran ran = geteuid() == 0 ? runProgram(arguments, true, WED_CLI_PROGRAM) : run(arguments);
    EXPECT_EQ(ran.status, 3) << ran.err.toStdString();
    EXPECT_EQ(entries(out), QStringList());
#endif
}

// A mod list file keeps its paths relative to itself; a missing mod is named with its line.
TEST_F(MergeInputs, AModListFileReadsBackAndNamesAMissingMod) {
    const QString listPath = game.path(QStringLiteral("lists/my.list"));
    const ModList list{base, {modSourceAt(mod1), modSourceAt(mod2)}, {{"weapon/gun\tCost", 0}}};
    const QByteArray text = writeModList(list, listPath);
    EXPECT_TRUE(text.contains("mod\t../mod1\n")) << text.toStdString();
    const ModListRead read = readModList(text, listPath, true);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.list.base, list.base);
    EXPECT_EQ(read.list.mods, list.mods);
    EXPECT_EQ(read.list.choices, list.choices);
    QDir(mod2).removeRecursively();
    const ModListRead missing = readModList(text, listPath);
    EXPECT_EQ(missing.fault, ModListFault::MissingMod);
    EXPECT_EQ(missing.line, 4);
    EXPECT_EQ(readModList(QByteArray(text).replace("\t1\n", "\t3\n"), listPath, true).fault,
              ModListFault::BadChoice);
}

} // namespace
} // namespace wed::test
