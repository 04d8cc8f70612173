#include "edit/write_line.h"

#include "edit_files.h"

#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

const QByteArray kRecord("Armor=7\r\nCost=1\r\nHp=50\r\n;**************************\r\n");

// The file and the buffer loaded from it, as the editor holds them.
class CommitLine : public testing::Test {
  protected:
    ItemFileFolder folder{kRecord};
    LineBuffer items{kRecord};
};

TEST_F(CommitLine, WritesTheLineAndTheBufferFollowsTheFile) {
    const FileOutcome outcome = commitLine(folder.path(), items, 2, "Cost=15");
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(folder.read(), "Armor=7\r\nCost=15\r\nHp=50\r\n;**************************\r\n");
    EXPECT_EQ(items.bytes(), folder.read());
    EXPECT_EQ(GetLine(items, 1), QStringLiteral("Cost=15"));
    // The next keystroke's check passes against the bytes just written.
    ASSERT_TRUE(commitLine(folder.path(), items, 2, "Cost=150").ok());
    EXPECT_EQ(GetLine(items, 1), QStringLiteral("Cost=150"));
}

TEST_F(CommitLine, ARewriteThatChangesNothingIsNotSaved) {
    // A save renames a new file into place; a second name of the old one tells them apart.
    namespace fs = std::filesystem;
    const fs::path file = folder.path().toStdString(), old = file.string() + ".old";
    fs::create_hard_link(file, old);
    ASSERT_TRUE(commitLine(folder.path(), items, 2, "Cost=1").ok());
    EXPECT_TRUE(fs::equivalent(file, old));
    ASSERT_TRUE(commitLine(folder.path(), items, 2, "Cost=2").ok());
    EXPECT_FALSE(fs::equivalent(file, old));
}

// Any change is noticed, also one of the same size or only at the end.
TEST_F(CommitLine, FileChangedByAnotherProgramIsNotOverwritten) {
    const QByteArray theirs = QByteArray(kRecord).replace("Hp=50", "Hp=60");
    for (const QByteArray& changed : {theirs, kRecord + "\r\n"}) {
        folder.write(changed);
        const FileOutcome outcome = commitLine(folder.path(), items, 2, "Cost=15");
        EXPECT_EQ(outcome.status, FileStatus::ExternalChange);
        EXPECT_TRUE(outcome.message.contains(QStringLiteral("其他程序")));
        EXPECT_EQ(folder.read(), changed);
        EXPECT_EQ(items.bytes(), kRecord);
    }
    folder.write(kRecord);
    EXPECT_TRUE(commitLine(folder.path(), items, 2, "Cost=3").ok());
}

TEST_F(CommitLine, RefusalsLeaveFileAndBufferAsTheyWere) {
    EXPECT_EQ(commitLine(folder.path(), items, 5, "x").status, FileStatus::NoSuchLine);
    EXPECT_EQ(commitLine(folder.path(), items, 0, "x").status, FileStatus::NoSuchLine);
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner));
    EXPECT_EQ(commitLine(folder.path(), items, 2, "x").status, FileStatus::ReadOnly);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(folder.read(), kRecord);
    EXPECT_EQ(items.bytes(), kRecord);

    QFile::remove(folder.path());
    EXPECT_EQ(commitLine(folder.path(), items, 2, "x").status, FileStatus::Missing);
    EXPECT_EQ(items.bytes(), kRecord);
}

TEST_F(CommitLine, FileWithoutFinalLineEndGainsOneAndTheBufferAgrees) {
    folder.write("Weapon=1\r\nClass=2");
    items.setBytes(folder.read());
    ASSERT_TRUE(commitLine(folder.path(), items, 2, "Class=3").ok());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nClass=3\r\n");
    EXPECT_EQ(items.bytes(), folder.read());
}

} // namespace
} // namespace wed
