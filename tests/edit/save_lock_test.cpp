#include "edit/file_commit.h"
#include "edit/save_lock.h"

#include "edit_files.h"

#include <QProcess>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wed {
namespace {

using namespace std::chrono_literals;
using test::ItemFileFolder;

const QByteArray kOld("Weapon=gun\r\nCost=1\r\n");
const QByteArray kNew("Weapon=gun\r\nCost=2\r\n");

// A process hung in the middle of a save holds the folder's lock: a save waits for it a
// bounded time and is refused, the file untouched; once the process is killed, the system
// releases its lock and the save goes through.
TEST(SaveLock, AHungSaverIsWaitedForABoundedTimeAndItsDeathReleasesTheLock) {
    ItemFileFolder folder(kOld);
    QProcess holder;
    holder.start(QStringLiteral(WED_COMMIT_WRITER), {QStringLiteral("--hold"), folder.path()});
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << holder.errorString().toStdString();
    const auto patience = std::exchange(savePatience(), 300ms);
    const Outcome waited = commitFile({folder.path(), kOld, kNew});
    EXPECT_EQ(waited.status, Status::SaveBusy);
    EXPECT_EQ(waited.path, folder.path());
    EXPECT_EQ(folder.read(), kOld);
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_TRUE(commitFile({folder.path(), kOld, kNew}).done());
    savePatience() = patience;
    EXPECT_EQ(folder.read(), kNew);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("weapon.cfg")}); // no lock file
}

#ifdef Q_OS_UNIX
// An administrator's save of a user's file leaves it the user's, with its mode.
TEST(SaveLock, ASaveKeepsTheFilesOwnerAndGroup) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only an administrator may give a file to another user";
    ItemFileFolder folder(kOld);
    const QByteArray path = QFile::encodeName(folder.path());
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(chown(path.constData(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(path.constData(), 0640), 0);
    ASSERT_TRUE(commitFile({folder.path(), kOld, kNew}).done());
    struct stat saved {};
    ASSERT_EQ(stat(path.constData(), &saved), 0);
    EXPECT_EQ(saved.st_uid, kNobody);
    EXPECT_EQ(saved.st_gid, kNobody);
    EXPECT_EQ(saved.st_mode & 07777, 0640u);
}
#endif

} // namespace
} // namespace wed
