// The folder check finds each kind of problem at its place, and nothing in a sound folder.
#include "app/game_check.h"

#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

// "file:line code", the file by its name alone.
QStringList found(const std::vector<Problem>& problems) {
    QStringList lines;
    for (const Problem& p : problems)
        lines << QStringLiteral("%1:%2 %3")
                     .arg(QFileInfo(p.what.path).fileName())
                     .arg(p.what.line)
                     .arg(QLatin1StringView(problemCode(p.what.status)));
    return lines;
}

std::vector<Problem> check(const TempGame& game) {
    GameReading reading;
    EXPECT_TRUE(reading.read(game.path(QStringLiteral("weapon.cfg"))).done());
    return checkGame(reading.files());
}

// A picture that decodes.
const QByteArray kPicture = [] {
    QFile file(QStringLiteral(WED_SAMPLE_DIR "/Images/weapon/1598.tga"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}();

TEST(GameCheck, FindsEachProblemAtItsLine) {
    TempGame game;
    const QString end = QStringLiteral(";**************************");
    game.writeItems({"Weapon=gun",
                     "Class=7",
                     "Cost=abc",
                     "Add_level=x1",
                     "Damage=5",
                     "VidMENU=12340001",
                     end, // 1-7
                     "Weapon=gun",
                     "Class=2",
                     "Explosive=1.5e3",
                     "VidMENU=abcd0001",
                     end, // 8-12
                     "Armor=vest",
                     "Cost=",
                     "Bad=\x01",
                     "VidMENU=12340002", // 13-16
                     "Implant=chip",
                     "Cost=12",
                     "VidMENU=12340003",
                     ";**"}); // 17-20
    QByteArray items = game.readFile(QStringLiteral("weapon.cfg"));
    game.writeFile(QStringLiteral("weapon.cfg"), items.replace('\x01', "\x81 "));
    game.writeNames({"<gun>", "x", "123456789gun", "", "<vest>", "bad\x01", "", "<chip>", "x",
                     "123456789chip"});
    QByteArray names = game.readFile(QStringLiteral("Text/Weapon.txt"));
    game.writeFile(QStringLiteral("Text/Weapon.txt"), names.replace('\x01', "\x81 "));
    for (const char* picture : {"1234_0001", "1233_0002", "1234_0002", "1234_0003", "1233_0003"})
        game.writeFile(QStringLiteral("Images/weapon/%1.TGA").arg(picture), kPicture);
    game.writeFile(QStringLiteral("Images/weapon/1233_0001.tga"), "not a picture");

    // Weapon.txt line 6 cannot be decoded, so vest has no name line; Cost is no numeric field
    // of a weapon; 1.5e3 is a number.
    EXPECT_EQ(found(check(game)),
              QStringList({"weapon.cfg:2 class-not-digit", "weapon.cfg:4 not-a-number",
                           "weapon.cfg:5 pair-without-blank", "weapon.cfg:6 picture-broken",
                           "weapon.cfg:8 duplicate-id", "weapon.cfg:11 picture-missing",
                           "weapon.cfg:11 picture-unnamed", "weapon.cfg:13 no-end-line",
                           "weapon.cfg:13 no-name", "weapon.cfg:14 not-a-number",
                           "weapon.cfg:15 undecodable", "Weapon.txt:6 undecodable"}));
}

// A name file that cannot be used is one problem; no item is then said to lack its name.
TEST(GameCheck, ANameFileThatCannotBeReadIsOneProblem) {
    TempGame game;
    game.writeItems({"Weapon=heand", "VidMENU=x", ";**************************"});
    game.writeFile(QStringLiteral("Images/weapon/1598.tga"), kPicture);
    EXPECT_EQ(found(check(game)), QStringList({"Weapon.txt:0 name-file-missing"}));
    game.writeFile(QStringLiteral("Text/Weapon.txt"), {});
    EXPECT_EQ(found(check(game)), QStringList({"Weapon.txt:0 name-file-empty"}));
    QFile::remove(game.path(QStringLiteral("Text/Weapon.txt")));
    game.makeFolder(QStringLiteral("Text/Weapon.txt"));
    EXPECT_EQ(found(check(game)), QStringList({"Weapon.txt:0 name-file-unreadable"}));
}

TEST(GameCheck, TheSampleFolderHasNoProblem) {
    GameReading reading;
    ASSERT_TRUE(reading.read(QStringLiteral(WED_SAMPLE_DIR "/weapon.cfg")).done());
    EXPECT_EQ(found(checkGame(reading.files())), QStringList());
}

} // namespace
} // namespace wed::test
