#include "app/category_sheet.h"
#include "app/category_table.h"
#include "document_fixture.h"
#include "rules/rules.h"

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

const QStringList kItems{"Weapon=a", "Cost=100", "Damage=10 20", "Level=2.50",
                         kEnd,       "Weapon=b", "Cost=-5",      "Damage=7  9",
                         kEnd,       "Weapon=c", "Cost=12.5",    "Damage=1 1",
                         "Level=x",  "Class=2",  kEnd,           "Weapon=d",
                         "Clip=1",   kEnd,       "Armor=e",      "Cost=1",
                         kEnd,       ""};

class Table : public DocumentFixture {
  protected:
    void SetUp() override {
        game.writeItems(kItems);
        game.writeNames({"<a>", "x", QStringLiteral("名称：      甲,乙"), ""});
        open();
    }
    // The column of a weapon field, by its key (a pair's number by its half).
    int column(const char* key, int half = -1) const {
        return table.columns().columnOf(fieldIndex(CategoryId::Weapon, key), half);
    }
    static QStringList shownIn(const QAbstractItemModel& model, int column) {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row)
            values << model.index(row, column).data().toString();
        return values;
    }
    // The file's lines with the replacements given by line index.
    static QByteArray itemsWith(std::initializer_list<std::pair<int, QString>> lines) {
        QStringList expected = kItems;
        for (const auto& [index, line] : lines)
            expected[index] = line;
        return ansiLines(expected);
    }

    CategoryTable table{document, CategoryId::Weapon};
};

TEST_F(Table, ArithmeticChangesEveryNumberKeepingItsDecimalsInOneUndoableStep) {
    const Outcome prices = table.editCells({0, 1, 2, 3}, column("Cost"), "*1.1");
    EXPECT_EQ(prices.status, Status::CellsSkipped) << "d has no price";
    EXPECT_TRUE(prices.done());
    // -5.5 and 13.75 round away from zero; the weapon price field writes the text as it is.
    // A pair's number on its own: the other number and the blanks between them stay.
    ASSERT_TRUE(table.editCells({0, 1, 2}, column("Damage", 0), "*2").done());
    EXPECT_EQ(items(), itemsWith({{1, "Cost=110"},
                                  {6, "Cost=-6"},
                                  {10, "Cost=13.8"},
                                  {2, "Damage=20 20"},
                                  {7, "Damage=14  9"},
                                  {11, "Damage=2 1"}}));
    ASSERT_TRUE(table.editCells({0}, column("Level"), "+1").done()); // one cell: the text
    EXPECT_EQ(shownIn(table, column("Level")),
              (QStringList{"+1", QStringLiteral("无"), "x", QStringLiteral("无")}));
    EXPECT_EQ(document.history().count(), 3);
    ASSERT_TRUE(document.moveHistoryTo(0).done());
    EXPECT_EQ(items(), ansiLines(kItems));
}

TEST_F(Table, ARefusedCellWritesNothingAndNamesTheFirstItemThatRefused) {
    const Outcome level = table.editCells({0, 2}, column("Level"), "+1");
    EXPECT_EQ(level.status, Status::CellNotANumber);
    EXPECT_EQ(level.item, "c");
    const Outcome classes = table.editCells({1, 2}, column("Class"), "=9");
    EXPECT_EQ(classes.status, Status::ClassOutOfRange) << "b has no class: left out";
    EXPECT_EQ(classes.item, "c");
    EXPECT_EQ(table.editCells({0, 1}, column("Cost"), "*abc").status, Status::CellNotANumber);
    EXPECT_EQ(table.editCells({0, 1}, column("Cost"), QStringLiteral("한")).item, "a");
    EXPECT_EQ(items(), ansiLines(kItems));
    EXPECT_EQ(document.history().count(), 0);
}

// Cells that already hold what they are given are no edit: a file without its last line end
// keeps it so, and no step is made.
TEST_F(Table, CellsThatAlreadyHoldTheirTextWriteNothing) {
    const QStringList lines = kItems.first(kItems.size() - 1);
    game.writeItems(lines);
    open();
    EXPECT_TRUE(table.editCells({0, 1}, column("Cost"), "*1").done());
    EXPECT_EQ(items(), ansiLines(lines));
    EXPECT_EQ(document.history().count(), 0);
}

TEST_F(Table, SortsByValueThenTextWithMissingLastAndWritesTheRowsShownAsCsv) {
    TableSortFilter rows(table);
    const std::tuple<const char*, Qt::SortOrder, QStringList> sorts[] = {
        {"Cost", Qt::AscendingOrder, {"b", "c", "a", "d"}},
        {"Cost", Qt::DescendingOrder, {"a", "c", "b", "d"}},
        {"Level", Qt::AscendingOrder, {"a", "c", "b", "d"}},
        {"Damage", Qt::AscendingOrder, {"c", "b", "a", "d"}}, // a pair by its second number
    };
    for (const auto& [key, order, ids] : sorts) {
        rows.sort(column(key, key == QByteArray("Damage") ? 1 : -1), order);
        EXPECT_EQ(shownIn(rows, CategoryTable::kIdColumn), ids) << key;
    }
    // The rows shown go to CSV in the order shown, a text that holds a comma quoted.
    rows.sort(column("Cost"), Qt::DescendingOrder);
    const QString csv =
        QString::fromUtf8(categorySheet(document.game(), CategoryId::Weapon, rows.shownEntries()));
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\nweapon/a,\"甲,乙\",无,10 20,")));
    EXPECT_LT(csv.indexOf("\r\nweapon/c,"), csv.indexOf("\r\nweapon/b,"));
}

// Each number of a pair is a column of its own, typed into alone; a value that is not two
// numbers shows whole in the first, which stands for it, and the second has nothing to type.
TEST_F(Table, APairsNumbersAreColumnsOfTheirOwn) {
    EXPECT_EQ(table.headerData(column("Damage", 1), Qt::Horizontal).toString(),
              QStringLiteral("最大伤害值"));
    EXPECT_EQ(shownIn(table, column("Damage", 1)),
              (QStringList{"20", "9", "1", QStringLiteral("无")}));
    EXPECT_EQ(table.editCells({1}, column("Damage", 1), "x").status, Status::CellNotANumber);
    ASSERT_TRUE(table.editCells({1}, column("Damage", 1), "12.5").done());
    EXPECT_EQ(items(), itemsWith({{7, "Damage=7  12.5"}}));
    game.writeItems({"Weapon=a", "Damage=5 to 9", kEnd, ""});
    open();
    EXPECT_EQ(shownIn(table, column("Damage", 0)), QStringList{"5 to 9"});
    EXPECT_FALSE(table.flags(table.index(0, column("Damage", 1))) & Qt::ItemIsEditable);
    EXPECT_EQ(table.editCells({0}, column("Damage", 1), "3").status, Status::CellNotANumber);
    ASSERT_TRUE(table.editCells({0}, column("Damage", 0), "5 9").done());
    EXPECT_EQ(items(), ansiLines({"Weapon=a", "Damage=5 9", kEnd, ""}));
}

// A category's computed columns follow its fields, read-only, sorted as numbers; a failing one
// says why and where. A keystroke computes its item's row again, and no other.
TEST_F(Table, ComputedColumnsFollowEachEditOfTheirItemAlone) {
    Rules rules;
    ASSERT_TRUE(rules.readText("mod.lua", "column { 'weapon', 'dear', 'Cost * 2' }\n"
                                          "column { 'armor', 'x', '1' }\n"
                                          "local n = 0\n"
                                          "column { 'weapon', 'runs', function() n = n + 1 "
                                          "return n end }"));
    table.setRules(&rules);
    const int dear = table.columns().firstComputed();
    ASSERT_EQ(table.columnCount(), dear + 2) << "the armor's column is not the weapons'";
    EXPECT_EQ(table.headerData(dear, Qt::Horizontal, Qt::ToolTipRole), "mod.lua:1");
    EXPECT_EQ(shownIn(table, dear), (QStringList{"200", "-10", "25", QStringLiteral("错误")}));
    EXPECT_TRUE(table.index(3, dear)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("mod.lua:1: 规则“dear”")));
    EXPECT_FALSE(table.flags(table.index(0, dear)) & Qt::ItemIsEditable);
    EXPECT_EQ(table.editCells({0}, dear, "1").status, Status::Ignored);
    TableSortFilter rows(table);
    rows.sort(dear, Qt::AscendingOrder);
    EXPECT_EQ(shownIn(rows, CategoryTable::kIdColumn), (QStringList{"b", "c", "a", "d"}));
    EXPECT_EQ(shownIn(table, dear + 1), (QStringList{"1", "2", "3", "4"}));
    ASSERT_TRUE(type(item(CategoryId::Weapon, 0), "Cost", "7").done());
    EXPECT_EQ(shownIn(table, dear), (QStringList{"14", "-10", "25", QStringLiteral("错误")}));
    EXPECT_EQ(shownIn(table, dear + 1), (QStringList{"5", "2", "3", "4"}));
    ASSERT_TRUE(document.undo().done());
    EXPECT_EQ(table.index(0, dear).data().toString(), "200");
    // The table's sheet of the rows shown (here b and c) carries the columns too.
    const std::vector<QStringList> sheet =
        categoryCells(document.game(), CategoryId::Weapon, {table.entry(1), table.entry(2)},
                      table.sheetColumns());
    const qsizetype sheetDear = sheet[0].indexOf(computedHeading("dear"));
    ASSERT_GT(sheetDear, 0);
    EXPECT_EQ(std::pair(sheet[1][sheetDear], sheet[2][sheetDear]),
              std::pair(QString("-10"), QString("25")));
}

// The table is a view of the document: edits made in the panels, and items added, show at once.
TEST_F(Table, FollowsTheDocumentsChanges) {
    ASSERT_TRUE(type(item(CategoryId::Weapon, 0), "Cost", "7").done());
    EXPECT_EQ(table.index(0, column("Cost")).data().toString(), "7");
    ASSERT_TRUE(document.copyItem(item(CategoryId::Weapon, 0), QStringLiteral("a2")).done());
    EXPECT_EQ(shownIn(table, CategoryTable::kIdColumn), (QStringList{"a", "a2", "b", "c", "d"}));
}

} // namespace
} // namespace wed::test
