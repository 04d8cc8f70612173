// Line ends the format does not have: a lone CR or LF inside a key line, and game files whose
// lines end at LF or CR alone. What every command says of them, and that nothing is written.
#include "cli_run.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");
const QStringList kNames{"<gun>", "x", QStringLiteral("名称：      枪"), ""};

// The code of each problem check --json reports, with its line.
QStringList checkCodes(const QString& folder) {
    QStringList codes;
    for (const QJsonValue problem :
         QJsonDocument::fromJson(run({"check", folder, "--json"}).out.toUtf8()).array())
        codes.append(problem["code"].toString() + u':' +
                     QString::number(problem["line"].toInteger()));
    return codes;
}

// A key line whose value holds a lone LF or CR is two lines to other programs: a value typed
// over it would take the second with it. set (a dry run too) and import refuse it, naming the
// line, and write nothing; check reports it.
TEST(LineEnds, AKeyLineWithALoneLineBreakIsNeitherTypedOverNorMissedByTheCheck) {
    TempGame game;
    game.writeItems({"Weapon=gun", "Cost=70\nAdd_level=2", "Clip=8\r", kEnd, ""});
    game.writeNames(kNames);
    const QByteArray before = game.readFile("weapon.cfg");
    const QString f = game.folder();
    const QString sheet =
        game.writeFile("w.csv", QStringLiteral("物品,Clip\nweapon/gun,9\n").toUtf8());
    const std::pair<QStringList, QString> refusals[] = {
        {{"set", f, "weapon/gun", "Cost", "75"}, QStringLiteral("第 2 行在“Cost=70”之后")},
        {{"set", f, "weapon/gun", "Cost", "75", "--dry-run"}, QStringLiteral("第 2 行")},
        {{"set", f, "weapon/*", "Clip", "9"}, QStringLiteral("第 3 行在“Clip=8”之后")},
        {{"set", f, "weapon/gun", "Cost", "한"}, QStringLiteral("“한”无法保存")}, // the value first
        {{"import", f, "weapon", sheet}, QStringLiteral("第 3 行在“Clip=8”之后")},
    };
    for (const auto& [command, message] : refusals) {
        const Ran ran = run(command);
        EXPECT_EQ(ran.status, 1) << command.join(u' ').toStdString();
        EXPECT_TRUE(ran.err.contains(message)) << ran.err.toStdString();
        EXPECT_EQ(game.readFile("weapon.cfg"), before);
    }
    const QStringList codes = checkCodes(f);
    EXPECT_TRUE(codes.contains("lone-line-break:2") && codes.contains("lone-line-break:3"))
        << codes.join(u' ').toStdString();
}

// A game file with LF or CR line ends and no CR LF would be read as one line: no item listed,
// nothing checked, and an added record would repeat an id the file has. Every command refuses
// it with a message that says so, and writes nothing; check reports it.
TEST(LineEnds, AGameFileWithoutCrLfIsRefusedByEveryCommandAndReportedByTheCheck) {
    const QStringList items{"Weapon=gun", "Cost=70", kEnd, ""};
    for (const char* end : {"\n", "\r"})
        for (const QString file : {"weapon.cfg", "Text/Weapon.txt"}) {
            SCOPED_TRACE(file.toStdString() + (end[0] == '\n' ? " LF" : " CR"));
            TempGame game;
            game.writeItems(items);
            game.writeNames(kNames);
            const QStringList lines = file == "weapon.cfg" ? items : kNames;
            game.writeFile(file, ansiLines(lines).replace("\r\n", end));
            const QByteArray before[] = {game.readFile("weapon.cfg"),
                                         game.readFile("Text/Weapon.txt")};
            const QString f = game.folder();
            const QString patch =
                game.writeFile("c.patch", "weapon-editor patch 1\nkey\tweapon/gun\tCost\t70\t75\n");
            const QString sheet =
                game.writeFile("w.csv", QStringLiteral("物品,Cost\nweapon/gun,9\n").toUtf8());
            for (const QStringList& command : {QStringList{"list", f},
                                               {"get", f, "weapon/gun", "Cost"},
                                               {"set", f, "weapon/gun", "Cost", "75"},
                                               {"apply", f, patch},
                                               {"import", f, "weapon", sheet},
                                               {"export", f, "weapon"},
                                               {"diff", f, f}}) {
                const Ran ran = run(command);
                EXPECT_NE(ran.status, 0) << command.join(u' ').toStdString();
                EXPECT_TRUE(ran.out.isEmpty());
                EXPECT_TRUE(ran.err.contains(QStringLiteral("的行尾不是 CR LF")))
                    << ran.err.toStdString();
            }
            EXPECT_EQ(game.readFile("weapon.cfg"), before[0]);
            EXPECT_EQ(game.readFile("Text/Weapon.txt"), before[1]);
            const QStringList codes = checkCodes(f);
            EXPECT_TRUE(codes.contains("not-crlf:0")) << codes.join(u' ').toStdString();
        }
}

} // namespace
} // namespace wed::test
