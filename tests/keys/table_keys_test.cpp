#include "keys_fixture.h"
#include "window/editor_actions.h"
#include "window/mark_colours.h"
#include "window/table_window.h"

#include <QHeaderView>
#include <QTableView>

namespace wed::test {
namespace {

class TableKeys : public KeysFixture {
  protected:
    // Ctrl+T in the main window; the table of the category chosen, active.
    TableWindow* openTable(CategoryId category) {
        focus(form.itemList());
        press(Qt::CTRL | Qt::Key_T);
        for (TableWindow* table : form.findChildren<TableWindow*>()) {
            if (table->category() != category || !table->isVisible())
                continue;
            table->activateWindow();
            return QTest::qWaitForWindowActive(table) ? table : nullptr;
        }
        return nullptr;
    }
    // Selects the cells of one column by rows shown, the first becoming the current one.
    void select(TableWindow& table, int column, std::initializer_list<int> rows) {
        QTableView* view = table.view();
        view->clearSelection();
        for (int row : rows)
            view->selectionModel()->select(view->model()->index(row, column),
                                           QItemSelectionModel::Select);
        view->selectionModel()->setCurrentIndex(view->model()->index(*rows.begin(), column),
                                                QItemSelectionModel::NoUpdate);
        focus(view);
    }
    // Id, name, add level, the two numbers of damage and of reload, then the price.
    static constexpr int kCost = 7;
};

TEST_F(TableKeys, OneTablePerCategoryEditedWithKeysInStepWithTheMainWindow) {
    clickItem(0);
    TableWindow* weapons = openTable(CategoryId::Weapon);
    ASSERT_NE(weapons, nullptr);
    EXPECT_EQ(weapons->windowTitle(), QStringLiteral("表格: 武器"));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(openTable(CategoryId::Weapon), weapons);
    EXPECT_EQ(form.findChildren<TableWindow*>().size(), 1) << "raised, not opened twice";

    select(*weapons, kCost, {0});
    type(QStringLiteral("123"));
    press(Qt::Key_Return);
    EXPECT_EQ(lineOf("Cost="), "Cost=123");
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("123")) << "the main window follows";

    select(*weapons, kCost, {0, 1});
    type(QStringLiteral("*2"));
    press(Qt::Key_Return);
    EXPECT_TRUE(items().contains("Cost=246\r\n") && items().contains("Cost=100\r\n"));
    EXPECT_EQ(form.document().history().count(), 2);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_TRUE(items().contains("Cost=123\r\n") && items().contains("Cost=50\r\n"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();

    // Its own find box, and the rows shown as CSV.
    press(Qt::CTRL | Qt::Key_F);
    type(QStringLiteral("rif"));
    EXPECT_EQ(weapons->rows().rowCount(), 1);
    messages.savePath = game.path(QStringLiteral("out.csv"));
    focus(weapons->view());
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    const QByteArray csv = game.readFile(QStringLiteral("out.csv"));
    EXPECT_EQ(csv.count("\r\n"), 2);

    chooseCategory(1);
    form.actions().openTable(); // as Ctrl+T does, shown above for the weapons
    EXPECT_EQ(form.findChildren<TableWindow*>().size(), 2);
    EXPECT_EQ(weapons->category(), CategoryId::Weapon);
}

// A pair's second number sorted by a click on its heading and typed into alone; a base set
// while the table is open marks the cells that differ from it and the item it lacks, and the
// marks follow the edit and its undo.
TEST_F(TableKeys, APairsNumberTypedAloneAndTheBasesMarksFollowingIt) {
    game.writeItems({"Weapon=gun", "Damage=5  13", kEnd, "Weapon=rifle", "Damage=2 3", kEnd, ""});
    loadGame();
    TempGame base;
    base.writeItems({"Weapon=gun", "Damage=5  13", kEnd, ""});
    TableWindow* weapons = openTable(CategoryId::Weapon);
    ASSERT_NE(weapons, nullptr);
    ASSERT_TRUE(form.compareWith(base.folder()).done());
    const int most = weapons->rows().table().columns().columnOf(1, 1);
    QHeaderView* header = weapons->view()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(most) + 5, header->height() / 2});
    const QAbstractItemModel& rows = *weapons->view()->model();
    ASSERT_EQ(rows.index(0, CategoryTable::kIdColumn).data(), "rifle") << "3 before 13";
    EXPECT_EQ(rows.index(0, 0).data(Qt::AccessibleDescriptionRole), QStringLiteral("新增"));
    EXPECT_EQ(rows.index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(), kAddedItem);
    select(*weapons, most, {1});
    type(QStringLiteral("20"));
    press(Qt::Key_Return);
    EXPECT_EQ(lineOf("Damage=5"), "Damage=5  20");
    EXPECT_EQ(rows.index(1, most).data(Qt::ToolTipRole), QStringLiteral("原版：13"));
    EXPECT_EQ(rows.index(1, most).data(Qt::AccessibleDescriptionRole), QStringLiteral("原版：13"));
    EXPECT_EQ(rows.index(1, most).data(Qt::BackgroundRole).value<QBrush>().color(),
              kChangedBackground);
    EXPECT_FALSE(rows.index(1, most - 1).data(Qt::ToolTipRole).isValid()) << "5 as it was";
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(lineOf("Damage=5"), "Damage=5  13");
    EXPECT_FALSE(rows.index(1, most).data(Qt::ToolTipRole).isValid());
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// The folder's rules file, written while the table is open, gives it its computed columns,
// which follow an edit typed in the table and its undo, and the file rewritten on disk.
TEST_F(TableKeys, ComputedColumnsFollowTypingUndoAndTheRulesFile) {
    TableWindow* weapons = openTable(CategoryId::Weapon);
    ASSERT_NE(weapons, nullptr);
    const QAbstractItemModel& rows = *weapons->view()->model();
    const int twice = weapons->rows().table().columns().firstComputed();
    game.writeFile(QStringLiteral("weapon-rules.lua"), "column { 'weapon', 'twice', 'Cost * 2' }");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows.columnCount() == twice + 1; }));
    EXPECT_EQ(rows.headerData(twice, Qt::Horizontal), "twice");
    EXPECT_EQ(rows.index(0, twice).data(), "1400");
    EXPECT_EQ(rows.index(0, twice).data(Qt::BackgroundRole).value<QBrush>().color(),
              kComputedBackground);
    select(*weapons, kCost, {0});
    type(QStringLiteral("12"));
    press(Qt::Key_Return);
    EXPECT_EQ(rows.index(0, twice).data(), "24");
    select(*weapons, twice, {1});
    type(QStringLiteral("9"));
    press(Qt::Key_Return);
    EXPECT_EQ(rows.index(1, twice).data(), "100") << "read-only";
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(rows.index(0, twice).data(), "1400");
    game.writeFile(QStringLiteral("weapon-rules.lua"), "column { 'weapon', 'half', 'Cost / 2' }");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows.headerData(twice, Qt::Horizontal) == "half"; }));
    EXPECT_EQ(rows.index(1, twice).data(), "25");
}

} // namespace
} // namespace wed::test
