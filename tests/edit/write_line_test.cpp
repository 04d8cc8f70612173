#include "edit/write_line.h"

#include "edit_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

const QByteArray kThreeLines("Weapon=1\r\nCost=10\r\n;**************************\r\n");

TEST(WriteLineN, ReplacesOneLineOnDiskAndLeavesNoTemporaryFile) {
    ItemFileFolder folder(kThreeLines);
    EXPECT_TRUE(WriteLineN(2, folder.path(), "Cost=15", false).done());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=15\r\n;**************************\r\n");
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
    // The path as the system writes it: on Windows a drive letter and '\' separators.
    const QString native = QDir::toNativeSeparators(QFileInfo(folder.path()).absoluteFilePath());
    ASSERT_TRUE(WriteLineN(3, native, ";", false).done());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=15\r\n;\r\n");
    ASSERT_TRUE(WriteLineN(100, folder.path(), "last", true).done()); // inserts past the end
    EXPECT_TRUE(folder.read().endsWith(";\r\nlast\r\n"));
}

TEST(WriteLineN, MissingLinesAndEmptyFilesChangeNothing) {
    ItemFileFolder folder(kThreeLines);
    for (qsizetype n : {qsizetype(0), qsizetype(-3), qsizetype(4), qsizetype(70000)}) {
        const Outcome outcome = WriteLineN(n, folder.path(), "x", false);
        EXPECT_EQ(outcome.status, Status::NoSuchLine) << n;
        EXPECT_EQ(outcome.line, n);
    }
    EXPECT_EQ(folder.read(), kThreeLines);

    folder.write({});
    EXPECT_EQ(WriteLineN(1, folder.path(), "x", false).status, Status::EmptyFile);
    EXPECT_EQ(folder.read(), QByteArray());
}

// The refusal is judged by the permission bits, so it holds for an administrator too; a
// writable file keeps its permissions across the atomic rename.
TEST(WriteLineN, ReadOnlyFileIsRefusedAndPermissionsAreKept) {
    ItemFileFolder folder(kThreeLines);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto userBits = QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly));
    EXPECT_EQ(WriteLineN(2, folder.path(), "Cost=99", false).status, Status::ReadOnly);
    EXPECT_EQ(folder.read(), kThreeLines);
    EXPECT_EQ(QFile::permissions(folder.path()) & ~userBits, readOnly);

    // Windows knows only a read-only attribute: a writable file shows every write bit there.
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly | QFile::WriteOwner));
    const QFile::Permissions writable = QFile::permissions(folder.path());
    ASSERT_TRUE(WriteLineN(1, folder.path(), "Weapon=2", false).done());
    EXPECT_EQ(QFile::permissions(folder.path()), writable);
}

TEST(WriteLineN, WritesThroughASymbolicLinkToItsTarget) {
    ItemFileFolder folder(kThreeLines);
    const QString link = folder.folder() + QStringLiteral("/linked.cfg");
    // QFile::link makes a shell shortcut on Windows, so ask for a symbolic link itself.
    std::error_code error;
    std::filesystem::create_symlink(folder.path().toStdWString(), link.toStdWString(), error);
    if (error)
        GTEST_SKIP() << "this file system holds no symbolic link (Wine's drives have none): "
                     << error.message();
    ASSERT_TRUE(WriteLineN(2, link, "Cost=20", false).done());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=20\r\n;**************************\r\n");
}

#ifdef WED_HAS_FILE_SIZE_LIMIT
TEST(WriteLineN, FullDiskKeepsTheLastGoodContent) {
    const QByteArray big = QByteArray("Damage=1 20\r\n").repeated(2000);
    ItemFileFolder folder(big);
    Outcome outcome;
    {
        test::FileSizeLimit limit(4096);
        outcome = WriteLineN(1, folder.path(), "Damage=1 2", false);
    }
    EXPECT_TRUE(outcome.status == Status::WriteFailed || outcome.status == Status::DiskFull);
    EXPECT_EQ(folder.read(), big);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
}
#endif

} // namespace
} // namespace wed
