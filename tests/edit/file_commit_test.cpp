#include "edit/file_commit.h"

#include "edit_files.h"

#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

const QByteArray kRecord("Armor=7\r\nCost=1\r\nHp=50\r\n;**************************\r\n");
const QByteArray kChanged = QByteArray(kRecord).replace("Cost=1", "Cost=15");

TEST(FileCommit, SavesWhatTheEditorHoldsAndSkipsASaveThatChangesNothing) {
    ItemFileFolder folder(kRecord);
    // A save renames a new file into place; a second name of the old one tells them apart.
    namespace fs = std::filesystem;
    const fs::path file = folder.path().toStdString(), old = file.string() + ".old";
    fs::create_hard_link(file, old);
    ASSERT_TRUE(commitFile({folder.path(), kRecord, kRecord}).done());
    EXPECT_TRUE(fs::equivalent(file, old));
    ASSERT_TRUE(commitFile({folder.path(), kRecord, kChanged}).done());
    EXPECT_FALSE(fs::equivalent(file, old));
    EXPECT_EQ(folder.read(), kChanged);
    fs::remove(old);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
}

// Any change is noticed, also one of the same size or only at the end.
TEST(FileCommit, AFileChangedByAnotherProgramIsNeverOverwritten) {
    ItemFileFolder folder(kRecord);
    const QByteArray theirs = QByteArray(kRecord).replace("Hp=50", "Hp=60");
    for (const QByteArray& changed : {theirs, kRecord + "\r\n"}) {
        folder.write(changed);
        const Outcome outcome = commitFile({folder.path(), kRecord, kChanged});
        EXPECT_EQ(outcome.status, Status::ExternalChange);
        EXPECT_EQ(outcome.path, folder.path());
        EXPECT_EQ(folder.read(), changed);
    }
    // A large file is compared piece by piece: a change in its last byte is seen too.
    const QByteArray large = kRecord + QByteArray(300000, 'x');
    folder.write(QByteArray(large).replace(large.size() - 1, 1, "y"));
    EXPECT_EQ(commitFile({folder.path(), large, kChanged}).status, Status::ExternalChange);
    folder.write(large);
    EXPECT_TRUE(commitFile({folder.path(), large, kChanged}).done());
}

TEST(FileCommit, ReadOnlyMissingAndFolderAreRefusedBeforeAnythingIsWritten) {
    ItemFileFolder folder(kRecord);
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner));
    EXPECT_EQ(commitFile({folder.path(), kRecord, kChanged}).status, Status::ReadOnly);
    // A commit that changes nothing needs no writing.
    EXPECT_TRUE(commitFile({folder.path(), kRecord, kRecord}).done());
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(folder.read(), kRecord);

    QFile::remove(folder.path());
    EXPECT_EQ(commitFile({folder.path(), kRecord, kChanged}).status, Status::FileMissing);
    folder.makeFolder(QStringLiteral("weapon.cfg"));
    EXPECT_EQ(commitFile({folder.path(), kRecord, kChanged}).status, Status::IsFolder);
}

// Two files change together or not at all: the second's failure gives the first its bytes back.
TEST(FileCommit, WhenTheSecondFileFailsTheFirstGetsItsBytesBack) {
#ifndef WED_HAS_FILE_SIZE_LIMIT
    GTEST_SKIP() << "no file size limit to make a save fail on this system";
#else
    ItemFileFolder folder(kRecord);
    const QString names = folder.writeFile(QStringLiteral("Text/Weapon.txt"), "<7>\r\nx\r\n");
    const std::array<FileWrite, 2> writes{
        FileWrite{folder.path(), kRecord, kChanged},
        FileWrite{names, "<7>\r\nx\r\n", "<7>\r\n" + QByteArray(8192, 'y') + "\r\n"}};
    Outcome outcome;
    {
        // weapon.cfg's save fits; the name file's does not, as on a disk that fills up.
        test::FileSizeLimit limit(4096);
        outcome = commitFiles(writes);
    }
    EXPECT_TRUE(outcome.status == Status::DiskFull || outcome.status == Status::WriteFailed);
    EXPECT_EQ(outcome.path, names);
    EXPECT_EQ(outcome.effect, Effect::FirstRestored);
    EXPECT_EQ(folder.read(), kRecord);
    EXPECT_EQ(folder.readFile(QStringLiteral("Text/Weapon.txt")), "<7>\r\nx\r\n");
#endif
}

} // namespace
} // namespace wed
