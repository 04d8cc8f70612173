#include "app/category_sheet.h"
#include "app/category_table.h"
#include "document_fixture.h"

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
    // The column of a weapon field, by its key.
    static int column(const char* key) {
        return CategoryTable::kFirstField + fieldIndex(CategoryId::Weapon, key);
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
    ASSERT_TRUE(table.editCells({0, 1, 2}, column("Damage"), "*2").done());
    EXPECT_EQ(items(), itemsWith({{1, "Cost=110"},
                                  {6, "Cost=-6"},
                                  {10, "Cost=13.8"},
                                  {2, "Damage=20 40"},
                                  {7, "Damage=14  18"},
                                  {11, "Damage=2 2"}}));
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
        {"Damage", Qt::DescendingOrder, {"a", "b", "c", "d"}}, // pairs by their first number
    };
    for (const auto& [key, order, ids] : sorts) {
        rows.sort(column(key), order);
        EXPECT_EQ(shownIn(rows, CategoryTable::kIdColumn), ids) << key;
    }
    // The rows shown go to CSV in the order shown, a text that holds a comma quoted.
    rows.sort(column("Cost"), Qt::DescendingOrder);
    const QString csv =
        QString::fromUtf8(categorySheet(document.game(), CategoryId::Weapon, rows.shownEntries()));
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\nweapon/a,\"甲,乙\",无,10 20,")));
    EXPECT_LT(csv.indexOf("\r\nweapon/c,"), csv.indexOf("\r\nweapon/b,"));
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
