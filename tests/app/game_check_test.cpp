// The folder check finds each kind of problem at its place, and nothing in a sound folder.
#include "app/game_check.h"

#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

// The problems the check finds in a game folder, each as "file:line code", the file by its name.
QStringList problemsIn(const QString& folder) {
    GameData game;
    EXPECT_FALSE(game.read(folder + QStringLiteral("/weapon.cfg"), false).refused());
    QStringList lines;
    for (const Problem& p : checkGame(game))
        lines << QStringLiteral("%1:%2 %3")
                     .arg(QFileInfo(p.what.path).fileName())
                     .arg(p.what.line)
                     .arg(QLatin1StringView(problemCode(p.what.status)));
    return lines;
}

// A picture that decodes.
const QByteArray kPicture = readBytes(QStringLiteral(WED_SAMPLE_DIR "/Images/weapon/1598.tga"));

TEST(GameCheck, FindsEachProblemAtItsLine) {
    TempGame game;
    // Lines 1-7, 8-12, 13-16 (no end line) and 17-20; \x81 is a byte the code page cannot decode.
    game.writeFile(
        QStringLiteral("weapon.cfg"),
        QByteArray("Weapon=gun|Class=7|Cost=abc|Add_level=x1|Damage=5|VidMENU=12340001|"
                   ";**************************|Weapon=gun|Class=2|Explosive=1.5e3|"
                   "VidMENU=abcd0001|;**************************|Armor=vest|Cost=|"
                   "Bad=\x81 |VidMENU=12340002|Implant=chip|Cost=12|VidMENU=12340003|;**")
            .replace('|', "\r\n"));
    game.writeFile(
        QStringLiteral("Text/Weapon.txt"),
        QByteArray("<gun>|x|123456789gun||<vest>|bad\x81 ||<chip>|x|123456789chip||<gun>|y")
            .replace('|', "\r\n"));
    for (const char* picture : {"1234_0001", "1233_0002", "1234_0002", "1233_0003"})
        game.writeFile(QStringLiteral("Images/weapon/%1.TGA").arg(picture), kPicture);
    game.writeFile(QStringLiteral("Images/weapon/1233_0001.tga"), "not a picture");
    // A picture whose file ends halfway through its pixels.
    game.writeFile(QStringLiteral("Images/weapon/1234_0003.tga"),
                   kPicture.first(kPicture.size() / 2));

    // Weapon.txt line 6 cannot be decoded, so vest has no name line; line 12 opens gun's
    // record again, which is no record; a weapon's Cost is read as a number, though its field
    // writes it as typed; 1.5e3 is a number.
    EXPECT_EQ(problemsIn(game.folder()),
              QStringList({"weapon.cfg:2 class-not-digit", "weapon.cfg:3 not-a-number",
                           "weapon.cfg:4 not-a-number", "weapon.cfg:5 pair-without-blank",
                           "weapon.cfg:6 picture-broken", "weapon.cfg:8 duplicate-id",
                           "weapon.cfg:11 picture-missing", "weapon.cfg:11 picture-unnamed",
                           "weapon.cfg:13 no-end-line", "weapon.cfg:13 no-name",
                           "weapon.cfg:14 not-a-number", "weapon.cfg:15 undecodable",
                           "weapon.cfg:19 picture-truncated", "Weapon.txt:6 undecodable",
                           "Weapon.txt:12 name-record-twice"}));
}

// A name file that cannot be used is one problem; no item is then said to lack its name.
TEST(GameCheck, ANameFileThatCannotBeReadIsOneProblem) {
    TempGame game;
    game.writeItems({"Weapon=heand", "VidMENU=x", ";**************************"});
    game.writeFile(QStringLiteral("Images/weapon/1598.tga"), kPicture);
    EXPECT_EQ(problemsIn(game.folder()), QStringList({"Weapon.txt:0 name-file-missing"}));
    game.writeFile(QStringLiteral("Text/Weapon.txt"), {});
    EXPECT_EQ(problemsIn(game.folder()), QStringList({"Weapon.txt:0 name-file-empty"}));
    QFile::remove(game.path(QStringLiteral("Text/Weapon.txt")));
    game.makeFolder(QStringLiteral("Text/Weapon.txt"));
    EXPECT_EQ(problemsIn(game.folder()), QStringList({"Weapon.txt:0 name-file-unreadable"}));
}

TEST(GameCheck, TheSampleFolderHasNoProblem) {
    EXPECT_EQ(problemsIn(QStringLiteral(WED_SAMPLE_DIR)), QStringList());
}

} // namespace
} // namespace wed::test
