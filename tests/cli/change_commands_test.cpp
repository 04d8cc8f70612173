// The change-set commands on folders of the test's own: what they print, what they write and
// how they end.
#include "cli_run.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <random>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");
const QStringList kItems{"Weapon=shotgun_a", "Cost=100",  "Damage=10 20", kEnd,
                         "Weapon=shotgun_b", "Cost=12.5", kEnd,           "Weapon=pistol",
                         "Cost=50",          "Clip=8",    kEnd,           ""};
const QStringList kNames{"<pistol>", "x", QStringLiteral("名称：      手枪"), ""};

class ChangeCommands : public testing::Test {
  protected:
    ChangeCommands() {
        for (TempGame* game : {&base, &mod}) {
            game->writeItems(kItems);
            game->writeNames(kNames);
        }
    }
    TempGame base, mod;
};

TEST_F(ChangeCommands, SetByPatternAndArithmeticIsOneSaveWithALinePerChange) {
    const Ran set = run({"set", mod.folder(), "weapon/shotgun_*", "Cost", "--calc", "*1.1"});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.out, "weapon/shotgun_a\tCost\t100\t110\nweapon/shotgun_b\tCost\t12.5\t13.8\n");
    const Ran dry = run({"set", mod.folder(), "weapon/*", "Cost", "-5", "--dry-run"});
    EXPECT_TRUE(dry.out.startsWith("weapon-editor patch 1\nkey\tweapon/shotgun_a\tCost\t110\t-5\n"))
        << dry.out.toStdString();
    EXPECT_EQ(run({"get", mod.folder(), "weapon/pistol", "Cost"}).out, "50\n") << "dry run";
    EXPECT_EQ(run({"set", mod.folder(), "weapon/shot*", "Damage", "--calc", "*2"}).out,
              "weapon/shotgun_a\tDamage\t10 20\t20 40\n")
        << "an item without the key is left out";
}

// A mod's changes carried to another copy: diff prints them, apply makes them, and a
// conflict is told with all three values and writes nothing.
TEST_F(ChangeCommands, DiffAndApplyCarryAModOntoAnotherCopy) {
    EXPECT_EQ(run({"diff", base.folder(), mod.folder()}).status, 0);
    ASSERT_EQ(run({"set", mod.folder(), "weapon/pistol", "Clip", "12"}).status, 0);
    const Ran diff = run({"diff", base.folder(), mod.folder()});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, QStringLiteral("weapon/pistol Clip：“8” → “12”\n"));
    const QJsonArray json =
        QJsonDocument::fromJson(run({"diff", base.folder(), mod.folder(), "--json"}).out.toUtf8())
            .array();
    ASSERT_EQ(json.size(), 1);
    EXPECT_EQ(json[0].toObject()["new"], "12");
    const QString patch =
        base.writeFile(QStringLiteral("mod.patch"),
                       run({"diff", base.folder(), mod.folder(), "--patch"}).out.toUtf8());

    TempGame other;
    other.writeItems(QStringList(kItems).replaceInStrings("Clip=8", "Clip=9"));
    other.writeNames(kNames);
    const QByteArray before = other.readFile("weapon.cfg");
    const Ran conflict = run({"apply", other.folder(), patch});
    EXPECT_EQ(conflict.status, 1);
    EXPECT_TRUE(conflict.err.contains(QStringLiteral("“8” → “12”；文件中现在是 “9”")))
        << conflict.err.toStdString();
    EXPECT_EQ(other.readFile("weapon.cfg"), before);
    const QString rejects = other.path(QStringLiteral("rejects.patch"));
    EXPECT_EQ(run({"apply", other.folder(), patch, "--rejects", rejects}).status, 1);
    EXPECT_TRUE(other.readFile("rejects.patch").contains("key\tweapon/pistol\tClip\t8\t12"));

    EXPECT_EQ(run({"apply", base.folder(), patch, "--dry-run"}).status, 0);
    EXPECT_EQ(base.readFile("weapon.cfg"), ansiLines(kItems));
    EXPECT_EQ(run({"apply", base.folder(), patch}).status, 0);
    EXPECT_EQ(base.readFile("weapon.cfg"), mod.readFile("weapon.cfg"));
    const QString broken =
        base.writeFile(QStringLiteral("broken.patch"), "weapon-editor patch 1\nkey\n");
    const Ran malformed = run({"apply", base.folder(), broken});
    EXPECT_EQ(malformed.status, 2);
    EXPECT_TRUE(malformed.err.startsWith(QDir::toNativeSeparators(broken) + ":2:4: "));
}

// A patch that would split a line, or is cut off, writes nothing; a malformed one says what is
// wrong at its line and column, in either language; a diff cannot carry a lone line feed.
TEST_F(ChangeCommands, AHostilePatchIsRefusedSayingWhereAndWhy) {
    const QByteArray before = base.readFile("weapon.cfg");
    const QString evil =
        base.writeFile(QStringLiteral("evil.patch"),
                       "weapon-editor patch 1\nkey\tweapon/pistol\tClip\t8\tx\\nWeapon=evil\n");
    EXPECT_EQ(run({"apply", base.folder(), evil}).status, 1);
    const QString cut = base.writeFile(QStringLiteral("cut.patch"),
                                       "weapon-editor patch 1\nkey\tweapon/pistol\tCost\t50\t7");
    EXPECT_EQ(run({"apply", base.folder(), cut}).status, 2);
    EXPECT_EQ(base.readFile("weapon.cfg"), before);
    const QString bad = QDir::toNativeSeparators(base.writeFile(
        QStringLiteral("bad.patch"), "weapon-editor patch 1\nkey\tweapon/pistol\tClip\t\\q\t9\n"));
    EXPECT_EQ(run({"apply", base.folder(), bad}).err,
              bad + QStringLiteral(":2:24: 不认识的转义“\\q”：只有 \\\\、\\t、\\n、\\r、\\#、"
                                   "\\e 和 \\-。没有写入任何内容，文件保持原样。\n"));
    EXPECT_TRUE(run({"apply", base.folder(), bad, "--lang", "en"})
                    .err.startsWith(bad + QStringLiteral(":2:24: Unknown escape \"\\q\"")));
    run({"help", "--lang", "zh"}); // the language stays for the tests after this one

    mod.writeItems(QStringList(kItems).replaceInStrings("Clip=8", "Clip=8\n9"));
    const Ran diff = run({"diff", base.folder(), mod.folder(), "--patch"});
    EXPECT_EQ(diff.status, 1);
    EXPECT_TRUE(diff.out.isEmpty());
    EXPECT_TRUE(diff.err.startsWith(
        QDir::toNativeSeparators(mod.path(QStringLiteral("weapon.cfg"))) + QStringLiteral(":10: ")))
        << diff.err.toStdString();
}

TEST_F(ChangeCommands, ASheetExportedAndEditedImportsAsOneSetOrNotAtAll) {
    ASSERT_EQ(run({"export", mod.folder(), "weapon", mod.path(QStringLiteral("w.csv"))}).status, 0);
    QString sheet = QString::fromUtf8(mod.readFile(QStringLiteral("w.csv")));
    EXPECT_TRUE(mod.readFile(QStringLiteral("w.csv")).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(run({"export", mod.folder(), "weapon"}).out, sheet);
    EXPECT_TRUE(sheet.startsWith(QStringLiteral("物品,名字,可购买关卡,"))) << sheet.toStdString();
    sheet.replace(QStringLiteral("weapon/pistol,手枪"), QStringLiteral("weapon/pistol,大手枪"));
    sheet.replace(QStringLiteral(",50,"), QStringLiteral(",55,"));
    const QString file = mod.writeFile(QStringLiteral("w.csv"), sheet.toUtf8());
    ASSERT_EQ(run({"import", mod.folder(), "weapon", file}).status, 0);
    EXPECT_EQ(run({"get", mod.folder(), "weapon/pistol", "Cost"}).out, "55\n");
    EXPECT_TRUE(run({"list", mod.folder()}).out.contains(QStringLiteral("pistol\t大手枪")));

    const QByteArray before = mod.readFile("weapon.cfg");
    sheet.replace(QStringLiteral(",55,"), QStringLiteral(",56,"));
    sheet.replace(QStringLiteral("weapon/shotgun_b,"), QStringLiteral("weapon/nothing,"));
    const QString bad = mod.writeFile(QStringLiteral("bad.csv"), sheet.toUtf8());
    const Ran refused = run({"import", mod.folder(), "weapon", bad});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("第 3 行第 1 列")))
        << refused.err.toStdString();
    // Every cell its field refuses is listed, not the first alone.
    const Ran cells = run({"import", mod.folder(), "weapon",
                           mod.writeFile("c.csv", "物品,Cost,Clip\r\nweapon/pistol,한,한\r\n")});
    EXPECT_TRUE(cells.err.contains(QStringLiteral("第 2 行第 2 列")) &&
                cells.err.contains(QStringLiteral("第 2 行第 3 列")))
        << cells.err.toStdString();
    EXPECT_EQ(mod.readFile("weapon.cfg"), before);
}

// A value a spreadsheet would run as a formula goes out as text, a plain number as it is; every
// value, random ones from the characters that matter included, reads back as no change.
TEST(Sheet, FormulaLikeValuesGoOutAsTextAndEveryValueReadsBackUnchanged) {
    QStringList values{"=1+1", "-5", "'quoted", "@x", "\t=1", "-5 3"};
    std::mt19937 random(29);
    const QString alphabet = QStringLiteral("=+-@'\t\", a5.e中");
    for (int i = 0; i < 400; ++i) {
        QString value;
        for (int n = int(random() % 6); n >= 0; --n)
            value += alphabet[qsizetype(random() % alphabet.size())];
        values.append(value);
    }
    QStringList lines;
    for (qsizetype i = 0; i < values.size(); ++i)
        lines << QStringLiteral("Weapon=w%1").arg(i) << "AmmoName=" + values[i] << kEnd << "";
    TempGame game;
    game.writeItems(lines);
    game.writeNames({""});
    const QString sheet = game.path(QStringLiteral("w.csv"));
    ASSERT_EQ(run({"export", game.folder(), "weapon", sheet}).status, 0);
    const QString text = QString::fromUtf8(game.readFile(QStringLiteral("w.csv")));
    // AmmoName is the last column but one.
    for (const char* cell :
         {",\"'=1+1\",", ",-5,", ",\"''quoted\",", ",\"'@x\",", ",\"'\t=1\",", ",\"'-5 3\","})
        EXPECT_TRUE(text.contains(QString::fromUtf8(cell))) << cell;
    const QByteArray before = game.readFile("weapon.cfg");
    const Ran imported = run({"import", game.folder(), "weapon", sheet});
    EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QString());
    EXPECT_EQ(game.readFile("weapon.cfg"), before);
}

TEST_F(ChangeCommands, ASheetWithTwoColumnsOfOneFieldIsRefusedWhateverTheyHold) {
    const QByteArray before = mod.readFile("weapon.cfg");
    const std::pair<const char*, int> sheets[] = {
        {"物品,价格,Cost\r\nweapon/pistol,50,50\r\n", 3},
        {"物品,名字,Clip,名字\r\nweapon/pistol,手枪,8,手枪\r\n", 4}};
    for (const auto& [sheet, column] : sheets) {
        const Ran refused =
            run({"import", mod.folder(), "weapon", mod.writeFile("d.csv", QByteArray(sheet))});
        EXPECT_EQ(refused.status, 1) << sheet;
        EXPECT_TRUE(
            refused.err.contains(QStringLiteral("第 1 行第 %1 列：这一列与第 2 列").arg(column)))
            << refused.err.toStdString();
    }
    EXPECT_EQ(mod.readFile("weapon.cfg"), before);
}

// A spreadsheet writes number-like cells in its own form: numbers equal to the file's keep the
// file's bytes, and only a cell whose numbers differ is a change.
TEST(Sheet, ACellWhoseNumbersAreTheFilesIsNoChange) {
    TempGame game;
    game.writeItems({"Weapon=w", "Cost=070", "Explosive=1.50", "VidMENU=01000012", "Damage=05  13",
                     "AmmoName=070", kEnd, ""});
    game.writeNames({""});
    const QByteArray before = game.readFile("weapon.cfg");
    const auto import = [&](const char* row) {
        const QByteArray sheet =
            QByteArray("物品,Cost,Explosive,VidMENU,Damage,AmmoName\r\n") + row;
        return run({"import", game.folder(), "weapon", game.writeFile("n.csv", sheet)});
    };
    EXPECT_EQ(import("weapon/w,70,1.5,1000012,5 13,070\r\n").out, QString());
    EXPECT_EQ(game.readFile("weapon.cfg"), before);
    const Ran changed = import("weapon/w,71,1.5,1000012,5 14,70\r\n");
    EXPECT_EQ(changed.out.count(u'\n'), 3) << changed.out.toStdString();
    EXPECT_EQ(game.readFile("weapon.cfg"),
              ansiLines({"Weapon=w", "Cost=71", "Explosive=1.50", "VidMENU=01000012", "Damage=5 14",
                         "AmmoName=70", kEnd, ""}));
}

} // namespace
} // namespace wed::test
