#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/drive_roots.h"
#include "window/form1_fixture.h"

#include <QDir>
#include <QSignalSpy>

namespace wed::test {
namespace {

using Folders = Form1Fixture;

TEST_F(Folders, DirectoryListShowsThePathFromTheRootDownThenTheSubfolders) {
    game.makeFolder("b");
    game.makeFolder("A");
    game.makeFolder("c/deeper");
    game.writeFile("file.txt", "x");
    QSignalSpy changes(form.dirList(), &DirListBox::pathChanged);
    openFolder(game.folder());
    openFolder(game.folder() + "/");
    form.dirList()->refresh();
    EXPECT_EQ(changes.count(), 1) << "only real path changes are announced";

    QDir dir(game.folder());
    QStringList ancestors{dir.dirName()}; // from the root down, as a directory list names them
    while (dir.cdUp())
        ancestors.prepend(dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath())
                                       : dir.dirName());
    const DirListBox& dirs = *form.dirList();
    QStringList texts;
    for (int row = 0; row < dirs.count(); ++row)
        texts.append(dirs.item(row)->text());
    EXPECT_EQ(texts, ancestors + QStringList({"A", "b", "c"}));
    EXPECT_EQ(dirs.currentFolderRow(), ancestors.size() - 1);
    EXPECT_EQ(dirs.item(ancestors.size())->data(DirListBox::PathRole).toString(), game.path("A"));
}

TEST_F(Folders, DoubleClickOpensASubfolderAndListsItsItemFileEnterGoesBack) {
    game.writeItems({"Weapon=gun"}, QStringLiteral("sub/Weapon.CFG"));
    game.writeFile("sub/other.cfg", "x");
    openFolder(game.folder());
    DirListBox& dirs = *form.dirList();
    // A widget double-click arrives as a press and release, then the double-click itself.
    const QPoint sub = dirs.visualItemRect(dirs.item(dirs.currentFolderRow() + 1)).center();
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, sub);
    EXPECT_EQ(dirs.path(), game.folder()) << "a single click only selects";
    QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, sub);
    EXPECT_EQ(form.gameFolder(), game.path("sub"));
    ASSERT_EQ(form.fileList()->count(), 1);
    EXPECT_EQ(form.fileList()->item(0)->text(), QStringLiteral("Weapon.CFG"));

    form.fileList()->setCurrentRow(0);
    QTest::keyClick(form.fileList(), Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList({"gun"})) << "Enter on the file loads it like a click";

    dirs.setCurrentRow(dirs.currentFolderRow() - 1);
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.path(), game.folder());
}

TEST_F(Folders, ChangingTheFolderKeepsTheListAndBuffersUntilTheFileIsClicked) {
    game.writeItems({"Weapon=gun"});
    game.writeItems({"Weapon=other"}, QStringLiteral("second/WEAPON.cfg"));
    loadGame();
    const QByteArray items = form.document().game().items().bytes();

    openFolder(game.path("second"));
    EXPECT_EQ(listed(), QStringList({"gun"}));
    EXPECT_EQ(form.document().game().items().bytes(), items);
    EXPECT_EQ(form.itemFilePath(), game.path("second/WEAPON.cfg"));

    clickItemFile();
    EXPECT_EQ(listed(), QStringList({"other"}));
    openFolder(game.makeFolder("empty"));
    EXPECT_TRUE(form.itemFilePath().isEmpty());
}

TEST_F(Folders, AFolderOrDriveThatCannotBeOpenedKeepsThePathWithAMessage) {
    openFolder(game.folder());
    emit form.dirList()->openRequested(game.path("gone"));
    EXPECT_EQ(form.dirList()->path(), game.folder());
    EXPECT_EQ(messages.texts.size(), 1);

    // A drive that went away since the list was made (an unmounted medium) is not ready.
    QComboBox* drives = form.driveList();
    const int before = drives->currentIndex();
    EXPECT_EQ(drives->currentData().toString(), driveOf(game.folder(), driveRoots()));
    drives->addItem(QStringLiteral("gone"), game.path("gone/"));
    pick(drives, drives->count() - 1);
    EXPECT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(form.dirList()->path(), game.folder());
    EXPECT_EQ(drives->currentIndex(), before);
}

// The folder given on the command line: shown, and its weapon.cfg opened; a folder that is
// missing or holds none changes nothing.
TEST_F(Folders, StartsOnTheGameFolderGivenOnTheCommandLine) {
    game.writeItems({"Weapon=gun"}, QStringLiteral("game/WEAPON.CFG"));
    game.makeFolder("empty");
    EXPECT_EQ(form.openGameFolder(game.path("gone"))->status, WindowStatus::FolderMissing);
    EXPECT_EQ(form.openGameFolder(game.path("empty"))->status, WindowStatus::NoItemFile);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(form.openGameFolder(game.path("game")));
    EXPECT_EQ(form.dirList()->path(), game.path("game"));
    EXPECT_EQ(listed(), QStringList{"gun"});
}

TEST(DriveRoots, TheDriveOfAPathIsTheLongestRootHoldingIt) {
    const QStringList roots{"/", "/mnt/data/", "/mnt/"};
    EXPECT_EQ(driveOf("/mnt/data/games/x", roots), "/mnt/data/");
    EXPECT_EQ(driveOf("/mnt/database", roots), "/mnt/");
    EXPECT_EQ(driveOf("/mnt/data", roots), "/mnt/data/");
    EXPECT_EQ(driveOf("/home/user", roots), "/");
#ifdef Q_OS_WIN
    // Drives are found whatever the letter's case.
    EXPECT_EQ(driveOf(QStringLiteral("c:/Game/x"), {"C:/", "D:/"}), "C:/");
#endif
}

} // namespace
} // namespace wed::test
