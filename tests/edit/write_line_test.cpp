#include "edit/write_line.h"

#include "edit_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <filesystem>
#include <gtest/gtest.h>

#if __has_include(<sys/resource.h>)
#include <csignal>
#include <sys/resource.h>
#define WED_HAS_FILE_SIZE_LIMIT 1
#endif

namespace wed {
namespace {

using test::ItemFileFolder;

const QByteArray kThreeLines("Weapon=1\r\nCost=10\r\n;**************************\r\n");

TEST(WriteLineN, ReplacesOneLineOnDiskAndLeavesNoTemporaryFile) {
    ItemFileFolder folder(kThreeLines);
    const FileOutcome outcome = WriteLineN(2, folder.path(), "Cost=15", false);
    EXPECT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=15\r\n;**************************\r\n");
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
    // The path as the system writes it: on Windows a drive letter and '\' separators.
    const QString native = QDir::toNativeSeparators(QFileInfo(folder.path()).absoluteFilePath());
#ifdef Q_OS_WIN
    ASSERT_TRUE(
        native.contains(QRegularExpression(QStringLiteral(R"(^[A-Z]:\\.*\\weapon\.cfg$)"))));
#endif
    ASSERT_TRUE(WriteLineN(3, native, ";", false).ok());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=15\r\n;\r\n");
    ASSERT_TRUE(WriteLineN(100, folder.path(), "last", true).ok()); // inserts past the end
    EXPECT_TRUE(folder.read().endsWith(";\r\nlast\r\n"));
}

TEST(WriteLineN, MissingLinesAndEmptyFilesChangeNothing) {
    ItemFileFolder folder(kThreeLines);
    for (qsizetype n : {qsizetype(0), qsizetype(-3), qsizetype(4), qsizetype(70000)}) {
        const FileOutcome outcome = WriteLineN(n, folder.path(), "x", false);
        EXPECT_EQ(outcome.status, FileStatus::NoSuchLine) << n;
        EXPECT_FALSE(outcome.message.isEmpty());
    }
    EXPECT_EQ(folder.read(), kThreeLines);

    folder.write({});
    const FileOutcome empty = WriteLineN(1, folder.path(), "x", false);
    EXPECT_EQ(empty.status, FileStatus::NoSuchLine);
    EXPECT_TRUE(empty.message.contains(QStringLiteral("空")));
    EXPECT_EQ(folder.read(), QByteArray());
}

// The refusal is judged by the permission bits, so it holds for an administrator too; a
// writable file keeps its permissions across the atomic rename.
TEST(WriteLineN, ReadOnlyFileIsRefusedAndPermissionsAreKept) {
    ItemFileFolder folder(kThreeLines);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto userBits = QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly));
    const FileOutcome outcome = WriteLineN(2, folder.path(), "Cost=99", false);
    EXPECT_EQ(outcome.status, FileStatus::ReadOnly);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("只读")));
    EXPECT_EQ(folder.read(), kThreeLines);
    EXPECT_EQ(QFile::permissions(folder.path()) & ~userBits, readOnly);

    // Windows knows only a read-only attribute: a writable file shows every write bit there.
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly | QFile::WriteOwner));
    const QFile::Permissions writable = QFile::permissions(folder.path());
    ASSERT_TRUE(WriteLineN(1, folder.path(), "Weapon=2", false).ok());
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
    ASSERT_TRUE(WriteLineN(2, link, "Cost=20", false).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read(), "Weapon=1\r\nCost=20\r\n;**************************\r\n");
}

TEST(WriteLineN, MissingOrUnreadableFileGivesAMessage) {
    ItemFileFolder folder(kThreeLines);
    const FileOutcome missing = WriteLineN(1, folder.folder() + "/nothing.cfg", "x", false);
    EXPECT_EQ(missing.status, FileStatus::Missing);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("找不到")));
    EXPECT_FALSE(QFile::exists(folder.folder() + "/nothing.cfg"));

    const FileOutcome folderItself = WriteLineN(1, folder.folder(), "x", false);
    EXPECT_EQ(folderItself.status, FileStatus::ReadFailed);
    EXPECT_FALSE(folderItself.message.isEmpty());
}

#ifdef WED_HAS_FILE_SIZE_LIMIT
// Makes every write past `bytes` fail as on a full disk, for the life of the object.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(WriteLineN, FullDiskKeepsTheLastGoodContent) {
    QByteArray big;
    for (int i = 0; i < 2000; ++i)
        big += "Damage=" + QByteArray::number(i) + " 20\r\n";
    ItemFileFolder folder(big);
    FileOutcome outcome;
    {
        FileSizeLimit limit(4096);
        outcome = WriteLineN(1, folder.path(), "Damage=1 2", false);
    }
    EXPECT_EQ(outcome.status, FileStatus::WriteFailed);
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("保持上一次保存的内容")));
    EXPECT_EQ(folder.read(), big);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
}

#endif

} // namespace
} // namespace wed
