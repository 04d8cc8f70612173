#include "edit_files.h"

#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <random>

namespace wed {
namespace {

using test::ItemFileFolder;

// An item file of about the game's size; line 1500 is the one the writer changes.
QByteArray itemFile(const QByteArray& cost) {
    QByteArray bytes;
    for (int i = 1; i <= 3000; ++i)
        bytes += i == 1500 ? cost + "\r\n"
                           : QStringLiteral("Damage=%1  %2\r\n").arg(i).arg(i * 7).toLatin1();
    return bytes;
}

TEST(CrashSafety, KilledWriterAlwaysLeavesTheOldOrTheNewFile) {
    const QByteArray before = itemFile("Cost=1500");
    const QByteArray after = itemFile("Cost=15");
    ItemFileFolder folder(before);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 12000);
    int killedMidway = 0;
    constexpr int kRounds = 150;
    for (int round = 0; round < kRounds; ++round) {
        QProcess writer;
        // Under Wine a start right after a kill now and then fails; the file is what is tested.
        const auto start = [&] {
            writer.start(QStringLiteral(WED_COMMIT_WRITER),
                         {folder.path(), QStringLiteral("1500"), QStringLiteral("Cost=15"),
                          QStringLiteral("Cost=1500")});
            return writer.waitForStarted(5000);
        };
        ASSERT_TRUE(start() || start() || start()) << writer.errorString().toStdString();
        // Wait until it is committing, then kill it at a random moment of its work.
        ASSERT_TRUE(writer.waitForReadyRead(5000)) << "round " << round;
        QThread::usleep(unsigned(delayMicroseconds(random)));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(5000));
        killedMidway += writer.exitStatus() == QProcess::CrashExit;

        const QByteArray now = folder.read();
        ASSERT_TRUE(now == before || now == after)
            << "round " << round << ": a file of " << now.size() << " bytes";
        // A killed save may leave its temporary file; the item file itself is never partial.
        for (const QString& entry : folder.entries())
            if (entry != QStringLiteral("weapon.cfg"))
                QFile::remove(folder.folder() + u'/' + entry);
    }
    EXPECT_EQ(killedMidway, kRounds);
}

} // namespace
} // namespace wed
