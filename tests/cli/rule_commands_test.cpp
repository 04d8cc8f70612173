// The modder's rules through the commands: check, columns, run, rules, export and import, on
// the sample folder and on folders of bad rules, which are told by file, line and rule, and
// leave the game files as they were.
#include "cli_run.h"
#include "support/qt_printers.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");
const QStringList kItems{
    "Weapon=shotgun_a", "Class=2",  "Cost=100",   "Damage=10 20",          kEnd, "Weapon=shotgun_b",
    "Class=2",          "Cost=125", "Damage=4 6", "AmmoName=Ammo_shotgun", kEnd, ""};
const QStringList kNames{"<shotgun_a>", "x", QStringLiteral("名称：      霰弹"), ""};

class RuleCommands : public testing::Test {
  protected:
    RuleCommands() {
        game.writeItems(kItems);
        game.writeNames(kNames);
    }
    QString rules(const QByteArray& text, const QString& name = "weapon-rules.lua") {
        return QDir::toNativeSeparators(game.writeFile(name, text));
    }
    TempGame game;
};

TEST_F(RuleCommands, SampleFolderWarnsOfItsPricesAndExitsZero) {
    const QString sample = QStringLiteral(WED_SAMPLE_DIR);
    const Ran check = run({"check", sample});
    EXPECT_EQ(check.status, 0) << check.err.toStdString();
    EXPECT_EQ(check.out.count(QStringLiteral("[price-multiple-of-10]")), 4)
        << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(QStringLiteral(
        ":716: 警告：weapon/shotgun_tapir：价格应为 10 的倍数 [price-multiple-of-10]\n")));
    const QJsonObject first =
        QJsonDocument::fromJson(run({"check", sample, "--json"}).out.toUtf8())[0].toObject();
    EXPECT_EQ(first["severity"], "warning");
    EXPECT_EQ(first["rule"].toObject()["line"], 39);
    EXPECT_EQ(run({"rules", sample}).out.count(u'\n'), 9);
    EXPECT_TRUE(run({"columns", sample, "weapon"}).out.startsWith(QStringLiteral("物品\t名字\t")))
        << "a sheet's headings";
    // Against the folder as shipped, raised prices are found.
    TempGame raised;
    for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
        raised.writeFile(file, readBytes(sample + u'/' + QLatin1StringView(file)));
    ASSERT_EQ(run({"set", raised.folder(), "weapon/heand", "Cost", "700"}).status, 0);
    const Ran based =
        run({"--rules", sample + "/weapon-rules.lua", "check", raised.folder(), "--base", sample});
    EXPECT_TRUE(based.out.contains(QStringLiteral("价格 700 比原版的 70 高出一半以上")))
        << based.out.toStdString();
}

// On a copy of the sample, whose built-in check finds nothing.
TEST(RuleCheck, OnlyAnErrorMakesCheckFail) {
    TempGame game;
    const QDir sample(QStringLiteral(WED_SAMPLE_DIR));
    QDirIterator files(sample.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        game.writeFile(sample.relativeFilePath(path), readBytes(path));
    }
    const QString file = QDir::toNativeSeparators(game.writeFile(
        "weapon-rules.lua", "check { 'weapon', 'cheap', '太便宜', key = 'Cost', severity = "
                            "'warning', function(item) return item.id ~= 'heand' end }\n"));
    const Ran warned = run({"check", game.folder()});
    EXPECT_EQ(warned.status, 0);
    EXPECT_TRUE(
        warned.out.endsWith(QStringLiteral("weapon.cfg:12: 警告：weapon/heand：太便宜 [cheap]\n")))
        << warned.out.toStdString();
    game.writeFile(
        "weapon-rules.lua",
        "check { 'weapon', 'dear', '太贵', function(item) return item.id ~= 'fist_wasp' end }\n"
        "check { 'weapon', 'odd', 'x', function(item) return item.id ~= 'heand' or "
        "item.Nothing.x end }\n");
    const Ran failed = run({"check", game.folder(), "--json"});
    EXPECT_EQ(failed.status, 1);
    const QJsonArray problems = QJsonDocument::fromJson(failed.out.toUtf8()).array();
    ASSERT_EQ(problems.size(), 2) << failed.out.toStdString();
    EXPECT_EQ(problems[0].toObject()["code"], "rule-error") << "never a silent pass";
    EXPECT_EQ(problems[0].toObject()["line"], 10);
    EXPECT_TRUE(problems[0].toObject()["message"].toString().contains(
        file + QStringLiteral(":2: 规则“odd”：运行出错：")));
    EXPECT_EQ(problems[1].toObject()["code"], "dear");
    EXPECT_EQ(problems[1].toObject()["line"], 39) << "the header without a key";
}

// A broken file is told on standard error and the command goes on; the next file still loads.
TEST_F(RuleCommands, EachBadFileOrRuleIsToldByFileLineAndRule) {
    const QString good = rules("column { 'weapon', '双倍', 'Cost * 2' }\n", "good.lua");
    const struct {
        QByteArray text;
        QString told;
    } cases[] = {
        {"column { 'weapon', 'a', '1' }\nlocal x = = 1\n", ":2: Lua 语法错误"},
        {"\nos.execute('true')\n", ":2: 运行出错："},
        {"\nwhile true do end\n", ":2: 运行的步数超过了上限"},
        {"local t = {}\nfor i = 1, 1e9 do t[i] = {i} end\n", ": 占用的内存超过了上限"},
        {"column { 'weapons', 'a', '1' }", ":1: 规则“a”：没有“weapons”这个类别"},
        {"column { 'weapon', 'a', '1' }\ncolumn { 'weapon', 'a', '2' }",
         ":2: 规则“a”：“a”这个名字"},
        {"-- \xff\n", ":1: 规则文件不是 UTF-8 文本"},
    };
    const QByteArray items = game.readFile("weapon.cfg");
    for (const auto& bad : cases) {
        const QString file = rules(bad.text);
        const Ran listed = run({"rules", game.folder(), "--rules", good});
        EXPECT_EQ(listed.status, 1) << bad.text.constData();
        EXPECT_TRUE(listed.out.contains(file + bad.told)) << listed.out.toStdString();
        const Ran columns = run({"--rules=" + good, "columns", game.folder(), "weapon"});
        EXPECT_EQ(columns.status, 0);
        EXPECT_TRUE(columns.out.contains(QStringLiteral("\t200\n"))) << columns.out.toStdString();
        EXPECT_TRUE(columns.err.contains(file + bad.told)) << columns.err.toStdString();
    }
    EXPECT_EQ(game.readFile("weapon.cfg"), items);
}

TEST_F(RuleCommands, AColumnCycleOrAFailureIsThatCellsError) {
    rules("column { 'weapon', 'a', function(item) return item.columns.b end }\n"
          "column { 'weapon', 'b', function(item) return item.columns.a end }\n"
          "column { 'weapon', 'c', function(item) if item.Cost > 110 then error('dear') end "
          "return 1 end }\n");
    const Ran columns = run({"columns", game.folder(), "weapon"});
    EXPECT_TRUE(columns.out.contains(QStringLiteral("\t错误\t错误\t1\n")))
        << columns.out.toStdString();
    EXPECT_TRUE(columns.err.contains(QStringLiteral("形成循环：a → b → a")))
        << columns.err.toStdString();
    EXPECT_TRUE(columns.err.contains(QStringLiteral("dear"))) << columns.err.toStdString();
}

// Each later item would spend the whole budget again: the column's first failure stands for them.
TEST_F(RuleCommands, AColumnOutOfItsBudgetIsNotRunForTheItemsAfter) {
    rules("local n = 0\n"
          "column { 'weapon', 'spin', function() n = n + 1 if n == 1 then while true do end end "
          "return n end }\n");
    const Ran columns = run({"columns", game.folder(), "weapon"});
    EXPECT_EQ(columns.out.count(QStringLiteral("\t错误\n")), 2) << columns.out.toStdString();
    EXPECT_TRUE(columns.err.endsWith(QStringLiteral("（共 2 件物品的这一列出错）\n")))
        << columns.err.toStdString();
}

// A key standing three times in a record: set and a recipe write its last line, as typing does,
// and their patches name it so.
TEST_F(RuleCommands, APatchNamesTheLastLineOfARepeatedKey) {
    game.writeItems({"Weapon=shotgun_a", "Cost=1", "Class=2", "Cost=2", "Cost=3", kEnd, ""});
    rules("recipe { 'up', '', function(game) game:item('weapon/shotgun_a').Cost = 4 end }\n");
    const QString line = QStringLiteral("key\tweapon/shotgun_a\tCost#3\t3\t4\n");
    EXPECT_TRUE(run({"set", game.folder(), "weapon/shotgun_a", "Cost", "4", "--dry-run"})
                    .out.endsWith(line));
    EXPECT_TRUE(run({"run", game.folder(), "up", "--patch"}).out.endsWith(line));
}

TEST_F(RuleCommands, ARecipeIsRunAsSetIsAndRefusedWhole) {
    rules("recipe { 'up', '涨价', function(game) for item in game:items('weapon/*') do "
          "item.Cost = item.Cost * 1.1 end end }\n"
          "recipe { 'same', '不变', function(game) game:item('weapon/shotgun_a').Cost = 100 end }\n"
          "recipe { 'missing', '', function(game) game:item('weapon/shotgun_a').Clip = 1 end }\n"
          "recipe { 'unencodable', '', function(game) game:item('weapon/shotgun_a').name = "
          "'\xF0\x9F\x98\x80' end }\n"
          "recipe { 'control', '', function(game) game:item('weapon/shotgun_b').AmmoName = "
          "'a\\1' end }\n"
          "recipe { 'class', '', function(game) game:item('weapon/shotgun_a').Cost = 1\n"
          "game:item('weapon/shotgun_b').Class = 9 end }\n");
    const QByteArray items = game.readFile("weapon.cfg");
    const Ran dry = run({"run", game.folder(), "up", "--dry-run"});
    EXPECT_EQ(dry.out, "weapon/shotgun_a\tCost\t100\t110\nweapon/shotgun_b\tCost\t125\t137.5\n");
    EXPECT_TRUE(
        run({"run", game.folder(), "up", "--patch"}).out.startsWith("weapon-editor patch 1\n"));
    const Ran same = run({"run", game.folder(), "same"});
    EXPECT_TRUE(same.status == 0 && same.err.contains(QStringLiteral("没有修改任何内容")));
    for (const char* refused : {"missing", "unencodable", "control", "class", "nothing"}) {
        const Ran ran = run({"run", game.folder(), refused});
        EXPECT_EQ(ran.status, 1) << refused;
        EXPECT_TRUE(ran.err.contains(refused == QByteArray("nothing")
                                         ? QStringLiteral("没有“nothing”这个配方")
                                         : QStringLiteral("没有写入任何内容")))
            << ran.err.toStdString();
    }
    EXPECT_EQ(game.readFile("weapon.cfg"), items);
    EXPECT_EQ(run({"run", game.folder(), "up"}).status, 0);
    EXPECT_EQ(run({"get", game.folder(), "weapon/shotgun_b", "Cost"}).out, "137.5\n");
}

TEST_F(RuleCommands, ExportMarksComputedColumnsAndImportLeavesThemOut) {
    rules("column { 'weapon', '平均伤害', '(Damage[1] + Damage[2]) / 2' }\n");
    const QString sheet = game.path("w.csv");
    ASSERT_EQ(run({"export", game.folder(), "weapon", sheet}).status, 0);
    QString text = QString::fromUtf8(game.readFile("w.csv"));
    EXPECT_TRUE(text.contains(QStringLiteral(",平均伤害（计算）\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(",15\r\n")));
    game.writeFile("w.csv",
                   text.replace(QStringLiteral(",15\r\n"), QStringLiteral(",99\r\n")).toUtf8());
    const QByteArray items = game.readFile("weapon.cfg");
    const Ran imported = run({"import", game.folder(), "weapon", sheet});
    EXPECT_EQ(imported.status, 0);
    EXPECT_TRUE(imported.err.contains(QStringLiteral("“平均伤害（计算）”是规则的计算列，不导入")));
    EXPECT_EQ(game.readFile("weapon.cfg"), items);
}

} // namespace
} // namespace wed::test
