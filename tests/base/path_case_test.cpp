#include "base/path_case.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wed {
namespace {

TEST(PathCase, FindsFoldersAndFilesWhateverTheirLetterCaseOnDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("TEXT"));
    QFile file(dir.path() + "/TEXT/weapon.TXT");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(resolvePathIgnoringCase(dir.path(), "Text/Weapon.txt"),
              dir.path() + "/TEXT/weapon.TXT");
}

TEST(PathCase, KeepsTheWrittenPathWhenNothingMatchesAndJoinsWithOneSeparator) {
    QTemporaryDir dir;
    EXPECT_EQ(resolvePathIgnoringCase(dir.path(), "Images/weapon/1_2.tga"),
              dir.path() + "/Images/weapon/1_2.tga");
    EXPECT_EQ(joinPath("/game/", "weapon.cfg"), "/game/weapon.cfg");
    EXPECT_EQ(joinPath("/game", "weapon.cfg"), "/game/weapon.cfg");
}

} // namespace
} // namespace wed
