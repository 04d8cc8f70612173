#include "app/window/dir_list_box.h"
#include "app/window/drive_list_box.h"
#include "app/window/drive_roots.h"
#include "window/form1_fixture.h"

#include <QDir>
#include <QSignalSpy>

namespace wed::test {
namespace {

using Folders = Form1Fixture;

QStringList entryTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

// The folder's ancestors from the root down, as a directory list names them.
QStringList ancestorNames(const QString& folder) {
    QStringList names;
    QDir dir(folder);
    names.prepend(dir.dirName());
    while (dir.cdUp())
        names.prepend(dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : dir.dirName());
    return names;
}

TEST_F(Folders, DirectoryListShowsThePathFromTheRootDownThenTheSubfolders) {
    game.makeFolder("b");
    game.makeFolder("A");
    game.makeFolder("c/deeper");
    game.writeFile("file.txt", "x");
    openFolder(game.folder());

    const DirListBox& dirs = *form.dirList();
    const QStringList ancestors = ancestorNames(game.folder());
    EXPECT_EQ(entryTexts(dirs), ancestors + QStringList({"A", "b", "c"}));
    EXPECT_EQ(dirs.currentFolderRow(), ancestors.size() - 1);
    EXPECT_EQ(dirs.currentRow(), dirs.currentFolderRow());
    for (int row = 0; row < dirs.count(); ++row) {
        const int level = dirs.item(row)->data(DirListBox::LevelRole).toInt();
        EXPECT_EQ(level, std::min(row, int(ancestors.size())));
    }
    EXPECT_EQ(dirs.item(ancestors.size())->data(DirListBox::PathRole).toString(), game.path("A"));
}

TEST_F(Folders, OpeningASubfolderChangesThePathAndListsItsItemFile) {
    game.writeItems({"Weapon=gun"}, QStringLiteral("sub/Weapon.CFG"));
    game.writeFile("sub/other.cfg", "x");
    openFolder(game.folder());
    EXPECT_EQ(form.fileList()->count(), 0);

    DirListBox& dirs = *form.dirList();
    // A widget double-click arrives as a press and release, then the double-click itself.
    const QPoint sub = dirs.visualItemRect(dirs.item(dirs.currentFolderRow() + 1)).center();
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, sub);
    QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, sub);
    EXPECT_EQ(dirs.path(), game.path("sub"));
    EXPECT_EQ(form.gameFolder(), game.path("sub"));
    EXPECT_EQ(form.pictureFolder(), game.path("sub"));
    ASSERT_EQ(form.fileList()->count(), 1);
    EXPECT_EQ(form.fileList()->item(0)->text(), QStringLiteral("Weapon.CFG"));

    // Enter on an ancestor goes back up.
    dirs.setCurrentRow(dirs.currentFolderRow() - 1);
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.path(), game.folder());
}

TEST_F(Folders, SelectingAFolderWithoutOpeningItKeepsThePath) {
    game.makeFolder("sub");
    openFolder(game.folder());
    DirListBox& dirs = *form.dirList();
    QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {},
                      dirs.visualItemRect(dirs.item(dirs.currentFolderRow() + 1)).center());
    EXPECT_EQ(dirs.path(), game.folder());
}

TEST_F(Folders, ChangingTheFolderKeepsTheListAndBuffersUntilTheFileIsClicked) {
    game.writeItems({"Weapon=gun"});
    game.writeItems({"Weapon=other"}, QStringLiteral("second/weapon.cfg"));
    game.writeNames({"1"});
    loadGame();
    const QByteArray items = form.itemBuffer().bytes();

    openFolder(game.path("second"));
    EXPECT_EQ(listed(), QStringList({"gun"}));
    EXPECT_EQ(form.itemBuffer().bytes(), items);

    clickItemFile();
    EXPECT_EQ(listed(), QStringList({"other"}));
    EXPECT_EQ(form.itemFilePath(), game.path("second/weapon.cfg"));
}

TEST_F(Folders, EnterOnTheItemFileLoadsItLikeAClick) {
    game.writeItems({"Weapon=gun"});
    game.writeNames({"1"});
    openFolder(game.folder());
    FileListBox& files = *form.fileList();
    files.setCurrentRow(0);
    QTest::keyClick(&files, Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList({"gun"}));
}

TEST_F(Folders, TheSelectedFileStaysSelectedInTheNextFolder) {
    game.writeItems({"Weapon=gun"});
    game.writeItems({"Weapon=other"}, QStringLiteral("second/WEAPON.cfg"));
    loadGame();
    openFolder(game.path("second"));
    EXPECT_EQ(form.itemFilePath(), game.path("second/WEAPON.cfg"));
    openFolder(game.makeFolder("empty"));
    EXPECT_TRUE(form.itemFilePath().isEmpty());
}

TEST_F(Folders, AFolderThatCannotBeOpenedKeepsThePathWithAMessage) {
    openFolder(game.folder());
    emit form.dirList()->openRequested(game.path("gone"));
    EXPECT_EQ(form.dirList()->path(), game.folder());
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(Folders, DriveListShowsTheDriveOfTheFolderAndReturnsToItsLastFolder) {
    QComboBox* drives = form.driveList();
    ASSERT_GT(drives->count(), 0);
    openFolder(game.folder());
    const QString root = drives->currentData().toString();
    EXPECT_EQ(root, driveOf(game.folder(), driveRoots()));

    emit drives->activated(drives->currentIndex());
    EXPECT_EQ(form.dirList()->path(), game.folder());
    EXPECT_TRUE(messages.texts.isEmpty());
}

// A drive that went away since the list was made (an unmounted medium) is not ready.
TEST_F(Folders, ADriveThatIsNotReadyKeepsTheFolderAndDriveWithAMessage) {
    openFolder(game.folder());
    QComboBox* drives = form.driveList();
    const int before = drives->currentIndex();
    drives->addItem(QStringLiteral("gone"), game.path("gone/"));
    drives->setCurrentIndex(drives->count() - 1);
    emit drives->activated(drives->count() - 1);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(form.dirList()->path(), game.folder());
    EXPECT_EQ(drives->currentIndex(), before);
}

TEST(DriveRoots, TheDriveOfAPathIsTheLongestRootHoldingIt) {
    const QStringList roots{"/", "/mnt/data/", "/mnt/"};
    EXPECT_EQ(driveOf("/mnt/data/games/x", roots), "/mnt/data/");
    EXPECT_EQ(driveOf("/mnt/database", roots), "/mnt/");
    EXPECT_EQ(driveOf("/mnt/data", roots), "/mnt/data/");
    EXPECT_EQ(driveOf("/home/user", roots), "/");
    for (const QString& root : driveRoots())
        EXPECT_TRUE(root.endsWith(u'/')) << root.toStdString();
}

TEST(DirListBoxAlone, AnnouncesOnlyRealPathChanges) {
    TempGame game;
    DirListBox dirs;
    QSignalSpy changes(&dirs, &DirListBox::pathChanged);
    dirs.setPath(game.folder());
    dirs.setPath(game.folder() + "/");
    dirs.refresh();
    EXPECT_EQ(changes.count(), 1);
}

} // namespace
} // namespace wed::test
