#include "edit/file_commit.h"
#include "edit/save_steps.h"

#include "edit_files.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace wed {
namespace {

using test::ItemFileFolder;

// The system's steps of every save, each noted as it is taken, for the life of the object.
struct WatchedSteps {
    SaveSteps real = saveSteps();
    QStringList seen;
    WatchedSteps() {
        saveSteps().syncFile = [this](QFileDevice& file) {
            seen << QStringLiteral("sync ") + file.fileName();
            return real.syncFile(file);
        };
        saveSteps().replace = [this](const QString& from, const QString& to) {
            seen << QStringLiteral("replace ") + from + QStringLiteral(" by ") + to;
            return real.replace(from, to);
        };
        saveSteps().syncFolder = [this](const QString& folder) {
            seen << QStringLiteral("folder ") + folder;
            return real.syncFolder(folder);
        };
    }
    ~WatchedSteps() { saveSteps() = real; }
};

// The events of one save of `target` through a temporary file named as the one seen first.
QStringList savedThrough(const QString& seen, const QString& target) {
    const QString temporary = seen.section(u' ', 1);
    EXPECT_EQ(QFileInfo(temporary).absolutePath(), QFileInfo(target).absolutePath());
    return {seen, QStringLiteral("replace %1 by %2").arg(temporary, target),
            QStringLiteral("folder ") + QFileInfo(target).absolutePath()};
}

TEST(SaveSteps, EachFileIsSyncedThenRenamedThenItsFolderSynced) {
    ItemFileFolder folder("Cost=1\r\n");
    const QString names = folder.writeFile(QStringLiteral("Text/Weapon.txt"), "<7>\r\n");
    const std::array<FileWrite, 2> writes{FileWrite{folder.path(), "Cost=1\r\n", "Cost=2\r\n"},
                                          FileWrite{names, "<7>\r\n", "<8>\r\n"}};
    WatchedSteps steps;
    ASSERT_TRUE(commitFiles(writes).done());
    ASSERT_EQ(steps.seen.size(), 6) << steps.seen.join(u'\n').toStdString();
    EXPECT_EQ(steps.seen,
              savedThrough(steps.seen[0], folder.path()) + savedThrough(steps.seen[3], names));
}

TEST(SaveSteps, ASaveThroughASymbolicLinkSyncsTheFolderOfItsTarget) {
    ItemFileFolder folder("Cost=1\r\n");
    const QString link = folder.makeFolder(QStringLiteral("other")) + QStringLiteral("/link.cfg");
    std::error_code error;
    std::filesystem::create_symlink(folder.path().toStdWString(), link.toStdWString(), error);
    if (error)
        GTEST_SKIP() << "this file system holds no symbolic link: " << error.message();
    WatchedSteps steps;
    ASSERT_TRUE(commitFile({link, "Cost=1\r\n", "Cost=2\r\n"}).done());
    ASSERT_FALSE(steps.seen.isEmpty());
    EXPECT_EQ(steps.seen, savedThrough(steps.seen[0], folder.path()));
}

// A folder put in the file's place while the new file is written: the system refuses the move.
TEST(SaveSteps, AMoveTheSystemRefusesRemovesTheTemporaryFile) {
    ItemFileFolder folder("Cost=1\r\n");
    WatchedSteps steps;
    saveSteps().syncFile = [&](QFileDevice& file) {
        QFile::remove(folder.path());
        folder.writeFile(QStringLiteral("weapon.cfg/inside"), "x");
        return steps.real.syncFile(file);
    };
    EXPECT_EQ(commitFile({folder.path(), "Cost=1\r\n", "Cost=2\r\n"}).status, Status::RenameFailed);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")});
}

#ifdef Q_OS_WIN
// Wine takes the write-through flag without acting on it, so the flags are what is tested.
TEST(SaveSteps, TheMoveReplacesTheFileAndIsWrittenThrough) {
    ItemFileFolder folder("Cost=1\r\n");
    WatchedSteps steps;
    unsigned long flags = 0;
    saveSteps().moveFile = [&](const wchar_t* from, const wchar_t* to, unsigned long asked) {
        flags = asked;
        return steps.real.moveFile(from, to, asked);
    };
    ASSERT_TRUE(commitFile({folder.path(), "Cost=1\r\n", "Cost=2\r\n"}).done());
    EXPECT_EQ(flags,
              static_cast<unsigned long>(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(folder.read(), "Cost=2\r\n");
}
#endif

} // namespace
} // namespace wed
