// Two processes of the program saving one folder at once: each change lands, none is lost.
#include "cli_run.h"

#include <QProcess>
#include <array>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

// Pairs of `set` (200 here, 30 under Wine) on two items of a copy of the sample, started together.
// A process that finds the file changed since its read reads it again and plans anew, so both
// values land.
TEST(ConcurrentSaves, TwoSetsAtOnceBothLand) {
    TempGame game;
    for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
        game.writeFile(QLatin1StringView(file),
                       readBytes(QStringLiteral(WED_SAMPLE_DIR "/") + QLatin1StringView(file)));
    const std::array<QString, 2> items{QStringLiteral("weapon/heand"),
                                       QStringLiteral("weapon/fist_wasp")};
    // Under Wine a program takes about a second to start.
#ifdef Q_OS_WIN
    constexpr int kRounds = 30;
#else
    constexpr int kRounds = 200;
#endif
    for (int round = 0; round < kRounds; ++round) {
        std::array<QProcess, 2> sets;
        for (size_t i = 0; i < sets.size(); ++i)
            sets[i].start(QStringLiteral(WED_CLI_PROGRAM),
                          {QStringLiteral("set"), game.folder(), items[i], QStringLiteral("Cost"),
                           QString::number(round * 2 + int(i))});
        for (QProcess& set : sets) {
            ASSERT_TRUE(set.waitForFinished(30000));
            ASSERT_EQ(set.exitCode(), 0)
                << "round " << round << ": " << set.readAllStandardError().toStdString();
        }
        for (size_t i = 0; i < sets.size(); ++i)
            ASSERT_EQ(run({QStringLiteral("get"), game.folder(), items[i], QStringLiteral("Cost")})
                          .out.trimmed(),
                      QString::number(round * 2 + int(i)))
                << "round " << round;
    }
}

} // namespace
} // namespace wed::test
