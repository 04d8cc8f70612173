// Rules files: what they may not reach, the budget and the memory limit that stop a rule, the
// errors of a file or of one rule, and columns, checks and recipes over a game folder.
#include "base/code_page.h"
#include "game/game_data.h"
#include "rules/rules.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>

namespace wed::test {
namespace {

// Reads the text as the only rules file; its first error, if any.
std::optional<RuleError> load(Rules& rules, const QByteArray& text) {
    if (rules.readText(QStringLiteral("t.lua"), text))
        return std::nullopt;
    return rules.errors().back();
}

TEST(RulesSandbox, ReachesNoFileProcessOrLoader) {
    TempGame folder;
    const QByteArray lua = folder.writeFile("x.lua", "return 1").toUtf8();
    for (const QByteArray& call : QList<QByteArray>{
             "os.execute('true')", "io.open('" + lua + "')", "require('os')",
             "dofile('" + lua + "')", "loadfile('" + lua + "')", "load('x=1')", "string.dump(type)",
             "debug.getinfo(1)", "package.loadlib('libc.so.6', '*')", "collectgarbage('stop')",
             "print('x')", "coroutine.create(type)"}) {
        Rules rules;
        const std::optional<RuleError> error = load(rules, "return " + call);
        ASSERT_TRUE(error) << call.constData();
        EXPECT_EQ(error->fault, RuleFault::Runtime) << call.constData();
        EXPECT_EQ(error->line, 1) << call.constData();
    }
}

TEST(RulesSandbox, BudgetStopsLoopsCaughtLoopsAndCostlyStringFunctions) {
    for (const char* body :
         {"while true do end", "while true do pcall(function() while true do end end) end",
          "string.find(string.rep('a', 4000), '.-.-.-.-.-b')",
          "local s = string.rep('a', 4000); s:gsub('(a*)*b', '')", "string.rep('', 1e12)",
          "string.rep('x', 1e9)", "while true do local s = string.rep('x', 1e6) end",
          "setmetatable({}, {__gc = function() while true do end end})"}) {
        Rules rules;
        const auto error = load(rules, QByteArray("\n") + body);
        ASSERT_TRUE(error) << body;
        EXPECT_EQ(error->line, 2) << body << error->detail.toStdString();
        // The state goes on: the next file is read.
        EXPECT_TRUE(rules.readText("u.lua", "column { 'weapon', 'x', '1' }")) << body;
    }
}

TEST(RulesSandbox, MemoryLimitStopsEndlessAllocation) {
    Rules rules({.memoryBytes = 8u << 20});
    const auto error = load(rules, "local t = {} for i = 1, 1e8 do t[i] = {i} end");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fault, RuleFault::Memory);
    EXPECT_TRUE(rules.readText("u.lua", "local t = {} for i = 1, 1000 do t[i] = {i} end"));
}

TEST(RulesFiles, ErrorsNameTheirFileAndLineAndSpareTheRest) {
    Rules rules;
    EXPECT_FALSE(rules.readText("a.lua", "column { 'weapon', 'a', '1' }\ncolumn {"));
    EXPECT_TRUE(rules.readText("b.lua", "column { 'weapon', 'b', '2' }"));
    EXPECT_FALSE(rules.readText("c.lua", "column { 'weapon', 'c', '1' }\n-- \xff\xfe\n"));
    EXPECT_FALSE(rules.readText(
        "d.lua", "column { 'tank', 'x', '1' }\ncolumn { 'weapon', 'b', '1' }\n"
                 "column { 'weapon', 'Cost', '1' }\ncolumn { 'weapon', '物品', '1' }\n"
                 "check { 'weapon', 'k', 'm', key = 'Nope', function() end }\n"
                 "column { 'weapon', 'd', '1 +' }\ncolumn { 'weapon', 'e', '1' }"));
    ASSERT_EQ(rules.columns().size(), 2u); // b, e
    EXPECT_EQ(rules.columns()[1].line, 7);
    std::vector<std::pair<RuleFault, int>> faults;
    for (const RuleError& error : rules.errors())
        faults.emplace_back(error.fault, error.line);
    EXPECT_EQ(faults, (std::vector<std::pair<RuleFault, int>>{{RuleFault::Syntax, 2},
                                                              {RuleFault::NotUtf8, 2},
                                                              {RuleFault::UnknownCategory, 1},
                                                              {RuleFault::DuplicateName, 2},
                                                              {RuleFault::NameTaken, 3},
                                                              {RuleFault::NameTaken, 4},
                                                              {RuleFault::UnknownKey, 5},
                                                              {RuleFault::Syntax, 6}}));
}

class RulesOnSample : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* file : {"weapon.cfg", "Text/Weapon.txt"})
            folder.writeFile(file, readBytes(QStringLiteral(WED_SAMPLE_DIR "/") + file));
        ASSERT_FALSE(game.read(folder.path("weapon.cfg")).refused());
        ASSERT_TRUE(rules.readText("r.lua", R"(
column { "weapon", "平均伤害", "(Damage[1] + Damage[2]) / 2" }
column { "weapon", "x2", function(item) return item.columns["平均伤害"] * 2 end }
column { "weapon", "a", function(item) return item.columns["b"] end }
column { "weapon", "b", "columns.a" }
column { "weapon", "who", function(item) return item.ref .. " " .. item.name .. " " ..
  item:raw("Damage") .. " " .. tostring(item.Nope) .. " " .. tostring(item.base ~= nil) end }
check { "weapon", "price-10", "价格应为 10 的倍数", key = "Cost", severity = "warning",
        function(item) return item.Cost % 10 == 0 end }
check { "weapon", "cheap", "m", function(item) return item.Cost < 50 or "dear" end }
recipe { "raise", "d", function(game)
  for item in game:items("weapon/heand") do
    item.Cost = item.Cost * 1.1; item.Cost = item.Cost * 1.1
    item.Damage = {12, item.Damage[2] + 0.5}; item.name = "拳"
  end
end }
recipe { "bad-class", "d", function(game) pcall(function() game:item("weapon/heand").Class = 9 end) end }
recipe { "write-in-check", "d", function(game) game:item("weapon/heand").Nope = 1 end }
)"));
    }
    ItemRef heand{CategoryId::Weapon, QStringLiteral("heand"), 1};
    TempGame folder;
    GameData game;
    Rules rules;
};

TEST_F(RulesOnSample, ColumnsAndChecksReadTheItem) {
    EXPECT_EQ(rules.column(0, game, heand).number, 9);
    EXPECT_EQ(rules.column(1, game, heand).number, 18);
    EXPECT_EQ(rules.column(4, game, heand, &game).text, "weapon/heand 空手 5 13 nil true");
    const ColumnValue cycle = rules.column(2, game, heand);
    ASSERT_TRUE(cycle.error);
    EXPECT_EQ(cycle.error->fault, RuleFault::Cycle);
    EXPECT_EQ(cycle.error->line, 4);
    EXPECT_TRUE(rules.check(0, game, heand).passed);
    EXPECT_EQ(rules.check(1, game, heand).message, "dear");
}

TEST_F(RulesOnSample, RecipeChangesApplyAsTyping) {
    const QByteArray before = folder.readFile("weapon.cfg");
    const RecipeOutcome raised = rules.run(0, game);
    ASSERT_TRUE(raised.changes) << raised.error->detail.toStdString();
    EXPECT_EQ(folder.readFile("weapon.cfg"), before); // nothing written while it ran
    ASSERT_TRUE(game.apply(*raised.changes).outcome.done());
    QByteArray expected = before;
    expected.replace("Weapon=heand\r\nClass=0\r\nCost=70\r\n",
                     "Weapon=heand\r\nClass=0\r\nCost=84.7\r\n");
    expected.replace("Damage=5 13\r\n", "Damage=12 13.5\r\n");
    EXPECT_EQ(folder.readFile("weapon.cfg"), expected);
    EXPECT_EQ(game.itemText(CategoryId::Weapon, u"heand").name, QStringLiteral("拳"));

    for (int recipe : {1, 2}) {
        const RecipeOutcome refused = rules.run(recipe, game);
        EXPECT_FALSE(refused.changes);
        ASSERT_TRUE(refused.error);
        EXPECT_EQ(refused.error->fault, recipe == 1 ? RuleFault::Refused : RuleFault::UnknownKey);
    }
}

TEST_F(RulesOnSample, ItemsAreReadOnlyOutsideRecipes) {
    ASSERT_TRUE(rules.readText("w.lua", "check { 'weapon', 'w', 'm', function(item) "
                                        "item.Cost = 1 return true end }"));
    const CheckVerdict verdict = rules.check(2, game, heand);
    ASSERT_TRUE(verdict.error);
    EXPECT_EQ(verdict.error->fault, RuleFault::Runtime);
}

} // namespace
} // namespace wed::test
