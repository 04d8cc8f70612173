// The window typing while the command line saves the same folder: no change is lost.
#include "cli/cli_run.h"
#include "keys_fixture.h"

#include <QProcess>

namespace wed::test {
namespace {

using ConcurrentTyping = KeysFixture;

// Keys typed into one weapon's price while 100 `set` programs, one after another, add 1 to the
// other weapon's: every set that reports success is in the file, and once all is quiet the
// window shows what the file holds. A keystroke whose save meets a set's is written after it
// or refused with a message and the files read again; it never undoes the set's change.
TEST_F(ConcurrentTyping, TypingWhileCommandsSaveLosesNoChange) {
    clickItem(0);
    QLineEdit* price = form.textBox("Text5");
    retype(price, QStringLiteral("7"));
#ifdef Q_OS_WIN
    constexpr int kSets = 25; // under Wine a program takes about a second to start
#else
    constexpr int kSets = 100;
#endif
    int landed = 0, refused = 0;
    QProcess set;
    const auto start = [&] {
        set.start(QStringLiteral(WED_CLI_PROGRAM),
                  {QStringLiteral("set"), game.folder(), QStringLiteral("weapon/rifle"),
                   QStringLiteral("Cost"), QStringLiteral("--calc"), QStringLiteral("+1")});
        ASSERT_TRUE(set.waitForStarted(10000));
    };
    start();
    for (bool longer = false; landed + refused < kSets; longer = !longer) {
        focus(price);
        if (longer)
            type(QStringLiteral("1"));
        else
            press(Qt::Key_Backspace);
        QCoreApplication::processEvents();
        if (set.state() != QProcess::NotRunning)
            continue;
        set.waitForFinished();
        if (set.exitCode() == 0) {
            ++landed;
        } else {
            ++refused;
            EXPECT_FALSE(set.readAllStandardError().isEmpty());
        }
        if (landed + refused < kSets)
            start();
    }
    EXPECT_EQ(run({QStringLiteral("get"), game.folder(), QStringLiteral("weapon/rifle"),
                   QStringLiteral("Cost")})
                  .out.trimmed(),
              QString::number(50 + landed))
        << refused << " refused";
    EXPECT_TRUE(QTest::qWaitFor([&] { return lineOf("Cost=") == "Cost=" + price->text(); }))
        << lineOf("Cost=").constData() << " shown: " << price->text().toStdString();
}

} // namespace
} // namespace wed::test
