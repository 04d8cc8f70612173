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
    file.write("names");
    file.close();
    // Windows finds the file by the path as written; elsewhere the path takes the disk's case.
    QFile found(resolvePathIgnoringCase(dir.path(), "Text/Weapon.txt"));
    ASSERT_TRUE(found.open(QIODevice::ReadOnly)) << found.fileName().toStdString();
    EXPECT_EQ(found.readAll(), "names");
}

TEST(PathCase, KeepsTheWrittenPathWhenNothingMatchesAndJoinsWithOneSeparator) {
    QTemporaryDir dir;
    EXPECT_EQ(resolvePathIgnoringCase(dir.path(), "Images/weapon/1_2.tga"),
              dir.path() + "/Images/weapon/1_2.tga");
    EXPECT_EQ(joinPath("/game/", "weapon.cfg"), "/game/weapon.cfg");
    EXPECT_EQ(joinPath("/game", "weapon.cfg"), "/game/weapon.cfg");
    EXPECT_EQ(joinPath("C:\\game\\", "weapon.cfg"), "C:\\game\\weapon.cfg");
}

} // namespace
} // namespace wed
