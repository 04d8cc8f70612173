#include "keys_fixture.h"

#include <QListWidget>

namespace wed::test {
namespace {

using ItemListKeys = KeysFixture;

// Tab from the category box into the list: the focus arrives with nothing selected and nothing
// shown; the first key that moves selects a row and shows its item.
TEST_F(ItemListKeys, TabIntoTheListShowsNothingUntilAKeyChoosesARow) {
    struct Case {
        QKeyCombination key;
        QString text; // typed instead of a key
        int row;
    } cases[] = {{Qt::Key_Down, {}, 0},
                 {Qt::Key_Home, {}, 0},
                 {Qt::Key_PageDown, {}, 0},
                 {Qt::Key_unknown, QStringLiteral("r"), 1}};
    QListWidget* list = form.itemList();
    EXPECT_EQ(form.textOf("Text5"), QString()) << "nothing shown yet";
    for (const Case& c : cases) {
        clickItemFile(); // a fresh list, nothing shown
        focus(form.categoryBox());
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(form.document().shownEntry(), -1);

        if (c.text.isEmpty())
            press(c.key);
        else
            type(c.text);
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->row(list->selectedItems().front()), c.row);
        EXPECT_EQ(form.document().shownEntry(), c.row);
        EXPECT_EQ(form.textOf("Text5"), c.row == 0 ? "700" : "50");
    }
}

} // namespace
} // namespace wed::test
