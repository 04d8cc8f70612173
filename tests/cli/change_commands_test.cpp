// The change-set commands on folders of the test's own: what they print, what they write and
// how they end.
#include "cli_run.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

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
    EXPECT_TRUE(malformed.err.startsWith(QDir::toNativeSeparators(broken) + ":2: "));
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
    EXPECT_EQ(mod.readFile("weapon.cfg"), before);
}

} // namespace
} // namespace wed::test
