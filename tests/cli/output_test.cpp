// Where a command's output goes: never over the game's own files, and output that cannot be
// written ends the command with exit status 3, never 0 or the 1 of an answer.
#include "cli_run.h"

#include <QFile>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");
// Its Cost change conflicts with the folder (700, not 1); its Clip change applies.
const QByteArray kPatch = "weapon-editor patch 1\nkey\tweapon/gun\tCost\t1\t2\n"
                          "key\tweapon/gun\tClip\t12\t13\n";

class Output : public testing::Test {
  protected:
    Output() {
        game.writeItems({"Weapon=gun", "Cost=700", "Clip=12", kEnd, ""});
        game.writeNames({"<gun>", "x", "123456789gun", ""});
        patch = game.writeFile(QStringLiteral("c.patch"), kPatch);
    }
    QByteArray files() const {
        return game.readFile(QStringLiteral("weapon.cfg")) +
               game.readFile(QStringLiteral("Text/Weapon.txt"));
    }
    TempGame game;
    QString patch;
};

TEST_F(Output, AnOutputFileThatIsAGameFileIsRefusedBeforeAnythingIsWritten) {
    const QByteArray before = files();
    QStringList names{"WEAPON.CFG", "Text/../weapon.cfg", "Text/weapon.TXT"};
#ifndef Q_OS_WIN // where QFile::link makes a shortcut, a file of its own, not a link
    QFile::link(game.path(QStringLiteral("weapon.cfg")), game.path(QStringLiteral("link")));
    names.append(QStringLiteral("link"));
#endif
    for (const QString& named : names) {
        const QString path = game.path(named);
        for (const QStringList& command :
             {QStringList{"export", game.folder(), "weapon", path},
              QStringList{"apply", game.folder(), patch, "--rejects", path}}) {
            const Ran ran = run(command);
            EXPECT_TRUE(ran.status == 1 &&
                        ran.err.contains(QStringLiteral("是游戏文件夹中的游戏文件")))
                << named.toStdString() << ran.err.toStdString();
        }
    }
    EXPECT_EQ(files(), before);
#ifndef Q_OS_WIN // where names differ by case, no second file was made beside weapon.cfg
    EXPECT_FALSE(QFile::exists(game.path(QStringLiteral("WEAPON.CFG"))));
#endif
}

TEST_F(Output, RejectsAreWrittenBeforeTheSetAndReplaceAnEarlierRunsRejects) {
    const QByteArray before = files();
    const QString nowhere = game.path(QStringLiteral("no-folder/r.patch"));
    EXPECT_EQ(run({"apply", game.folder(), patch, "--rejects", nowhere}).status, 3);
    EXPECT_EQ(files(), before);

    const QString rejects = game.writeFile(QStringLiteral("r.patch"), "an earlier run's");
    EXPECT_EQ(run({"apply", game.folder(), patch, "--rejects", rejects}).status, 1);
    EXPECT_EQ(game.readFile(QStringLiteral("r.patch")),
              "weapon-editor patch 1\nkey\tweapon/gun\tCost\t1\t2\n");
    EXPECT_EQ(run({"apply", game.folder(), patch, "--rejects", rejects, "--skip-conflicts"}).status,
              1);
    game.writeFile(QStringLiteral("c.patch"), "weapon-editor patch 1\n");
    EXPECT_EQ(run({"apply", game.folder(), patch, "--rejects", rejects}).status, 0);
    EXPECT_EQ(game.readFile(QStringLiteral("r.patch")), "weapon-editor patch 1\n");
}

// 1 from diff means "the folders differ": a folder it cannot read is no answer.
TEST_F(Output, DiffOfAFolderThatCannotBeReadExitsWithThree) {
    EXPECT_EQ(run({"diff", game.path(QStringLiteral("missing")), game.folder()}).status, 3);
}

#ifdef Q_OS_LINUX
// Standard output on a full disk: every command's output goes through one checked writer.
TEST_F(Output, OutputToAFullDiskExitsWithThreeForEveryCommand) {
    const QStringList commands[] = {
        {"list", game.folder()},
        {"get", game.folder(), "weapon/gun", "Cost"},
        {"check", game.folder(), "--json"},
        {"export", game.folder(), "weapon"},
        {"diff", game.folder(), game.folder(), "--patch"},
        {"help"},
    };
    for (const QStringList& command : commands) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(WED_CLI_PROGRAM), command);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 3) << command[0].toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("命令的输出无法写出"))
            << command[0].toStdString();
    }
}
#endif

} // namespace
} // namespace wed::test
