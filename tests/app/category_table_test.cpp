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
        show(QStringLiteral("武器"), 0);
    }
    int column(const char* key) const {
        const auto& fields = categoryFields(CategoryId::Weapon).fields;
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i].key == key)
                return CategoryTable::kFirstField + int(i);
        return -1;
    }
    QStringList shown(const QAbstractItemModel& model, int column) const {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row)
            values << model.index(row, column).data().toString();
        return values;
    }
    // The file's lines with the replacements given by line index.
    QByteArray itemsWith(std::initializer_list<std::pair<int, QString>> lines) const {
        QStringList expected = kItems;
        for (const auto& [index, line] : lines)
            expected[index] = line;
        return ansiLines(expected);
    }

    CategoryTable table{document, CategoryId::Weapon};
};

TEST_F(Table, ArithmeticChangesEveryNumberKeepingItsDecimalsInOneUndoableStep) {
    ASSERT_EQ(shown(table, CategoryTable::kIdColumn), (QStringList{"a", "b", "c", "d"}));
    const Outcome prices = table.editCells({0, 1, 2, 3}, column("Cost="), "*1.1");
    EXPECT_EQ(prices.status, Status::CellsSkipped) << "d has no price";
    EXPECT_EQ(prices.line, 1);
    EXPECT_TRUE(prices.done());
    // -5.5 and 13.75 round away from zero; the weapon price field writes the text as it is.
    EXPECT_EQ(items(), itemsWith({{1, "Cost=110"}, {6, "Cost=-6"}, {10, "Cost=13.8"}}));
    ASSERT_TRUE(table.editCells({0, 1, 2}, column("Damage="), "*2").done());
    EXPECT_EQ(items(), itemsWith({{1, "Cost=110"},
                                  {6, "Cost=-6"},
                                  {10, "Cost=13.8"},
                                  {2, "Damage=20 40"},
                                  {7, "Damage=14  18"},
                                  {11, "Damage=2 2"}}));
    ASSERT_TRUE(table.editCells({0}, column("Level="), "+1").done()); // one cell: the text
    EXPECT_EQ(shown(table, column("Level=")),
              (QStringList{"+1", QStringLiteral("无"), "x", QStringLiteral("无")}));
    EXPECT_EQ(document.history().count(), 3);
    ASSERT_TRUE(document.moveHistoryTo(0).done());
    EXPECT_EQ(items(), ansiLines(kItems));
    EXPECT_EQ(shown(table, column("Cost=")),
              (QStringList{"100", "-5", "12.5", QStringLiteral("无")}));
}

TEST_F(Table, ARefusedCellWritesNothingAndNamesTheFirstItemThatRefused) {
    const Outcome level = table.editCells({0, 2}, column("Level="), "+1");
    EXPECT_EQ(level.status, Status::CellNotANumber);
    EXPECT_EQ(level.item, "c");
    const Outcome classes = table.editCells({1, 2}, column("Class="), "=9");
    EXPECT_EQ(classes.status, Status::ClassOutOfRange) << "b has no class: left out";
    EXPECT_EQ(classes.item, "c");
    const Outcome literal = table.editCells({0, 1}, column("Cost="), "=-5");
    EXPECT_TRUE(literal.done());
    EXPECT_EQ(items(), itemsWith({{1, "Cost=-5"}}));
    EXPECT_EQ(table.editCells({0, 1}, column("Cost="), "*abc").status, Status::CellNotANumber);
    EXPECT_EQ(table.editCells({0, 1}, column("Cost="), QStringLiteral("한")).item, "a");
    EXPECT_EQ(document.history().count(), 1);
}

TEST_F(Table, SortsNumbersByValueThenTextWithMissingValuesLastEitherWay) {
    TableSortFilter rows(table);
    rows.sort(column("Cost="), Qt::AscendingOrder);
    EXPECT_EQ(shown(rows, CategoryTable::kIdColumn), (QStringList{"b", "c", "a", "d"}));
    rows.sort(column("Cost="), Qt::DescendingOrder);
    EXPECT_EQ(shown(rows, CategoryTable::kIdColumn), (QStringList{"a", "c", "b", "d"}));
    rows.sort(column("Level="), Qt::AscendingOrder);
    EXPECT_EQ(shown(rows, CategoryTable::kIdColumn), (QStringList{"a", "c", "b", "d"}));
    rows.sort(column("Damage="), Qt::DescendingOrder); // pairs by their first number
    EXPECT_EQ(shown(rows, CategoryTable::kIdColumn), (QStringList{"a", "b", "c", "d"}));
}

TEST_F(Table, CsvHasTheRowsShownQuotedWhereNeededAfterAByteOrderMark) {
    TableSortFilter rows(table);
    rows.setFind(QStringLiteral("甲"));
    const QByteArray csv = tableCsv(rows);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3); // the captions, the one row found, and the end
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("编号,名字,可购买关卡,最小伤害值、最大伤害值,")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("a,\"甲,乙\",无,10 20,")));
    EXPECT_EQ(lines[2], QString());
}

// The table is a view of the document: edits made elsewhere, and items added, show at once.
TEST_F(Table, FollowsTheDocumentsChanges) {
    ASSERT_TRUE(type(CategoryId::Weapon, "Text5", "7").done());
    EXPECT_EQ(table.index(0, column("Cost=")).data().toString(), "7");
    ASSERT_TRUE(document.copyItem(0, QStringLiteral("a2")).done());
    EXPECT_EQ(shown(table, CategoryTable::kIdColumn), (QStringList{"a", "a2", "b", "c", "d"}));
    // A cell edited in the table shows in the panel that shows its item.
    document.showItem(0);
    ASSERT_TRUE(table.editCells({0}, column("Cost="), "8").done());
    EXPECT_EQ(shownText(CategoryId::Weapon, "Text5"), "8");
    ASSERT_TRUE(document.undo().done());
    EXPECT_EQ(shownText(CategoryId::Weapon, "Text5"), "7");
}

} // namespace
} // namespace wed::test
