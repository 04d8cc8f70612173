#include "base/path_case.h"
#include "support/temp_game.h"

#include <QFile>
#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(PathCase, FindsFoldersAndFilesWhateverTheirLetterCaseOnDisk) {
    test::TempGame game;
    game.writeFile("TEXT/weapon.TXT", "names");
    // Windows finds the file by the path as written; elsewhere the path takes the disk's case.
    QFile found(resolvePathIgnoringCase(game.folder(), "Text/Weapon.txt"));
    ASSERT_TRUE(found.open(QIODevice::ReadOnly)) << found.fileName().toStdString();
    EXPECT_EQ(found.readAll(), "names");
}

TEST(PathCase, KeepsTheWrittenPathWhenNothingMatchesAndJoinsWithOneSeparator) {
    test::TempGame game;
    EXPECT_EQ(resolvePathIgnoringCase(game.folder(), "Images/weapon/1_2.tga"),
              game.folder() + "/Images/weapon/1_2.tga");
    EXPECT_EQ(joinPath("/game/", "weapon.cfg"), "/game/weapon.cfg");
    EXPECT_EQ(joinPath("/game", "weapon.cfg"), "/game/weapon.cfg");
    EXPECT_EQ(joinPath("C:\\game\\", "weapon.cfg"), "C:\\game\\weapon.cfg");
}

} // namespace
} // namespace wed
