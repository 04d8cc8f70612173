#include "keys_fixture.h"
#include "window/history_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QUndoView>

namespace wed::test {
namespace {

using EditingKeys = KeysFixture;

// The document's undo replaces a text box's own: Ctrl+Z takes back the last change written,
// Ctrl+Y and Ctrl+Shift+Z make it again, with the focus in the box.
TEST_F(EditingKeys, UndoAndRedoKeysWorkInsideATextBox) {
    const QByteArray original = items();
    clickItem(0);
    QLineEdit* price = form.textBox("Text5");
    retype(price, QStringLiteral("15"));
    ASSERT_EQ(lineOf("Cost="), "Cost=15");
    const QByteArray typed = items();
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(items(), original);
    EXPECT_EQ(price->text(), QStringLiteral("700"));
    EXPECT_EQ(QApplication::focusWidget(), price);
    press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(items(), typed);
    EXPECT_EQ(price->text(), QStringLiteral("15"));
    press(Qt::CTRL | Qt::Key_Z);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(items(), typed);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// An undo shows the item its step belongs to, in its category, selected in the list.
TEST_F(EditingKeys, UndoShowsTheItemOfItsStep) {
    const QByteArray original = items();
    clickItem(1);
    retype(form.textBox("Text10"), QStringLiteral("30"));
    chooseCategory(1);
    clickItem(0);
    retype(form.textBox("Text20"), QStringLiteral("90"));
    focus(form.itemList());
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(form.textOf("Text20"), QStringLiteral("80"));
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(items(), original);
    EXPECT_EQ(form.categoryBox()->currentText(), QStringLiteral("武器"));
    EXPECT_TRUE(form.findChild<QWidget*>("Frame3")->isVisible());
    EXPECT_EQ(listed(), (QStringList{"gun", "rifle"}));
    ASSERT_EQ(form.itemList()->selectedItems().size(), 1);
    EXPECT_EQ(form.itemList()->currentRow(), 1);
    EXPECT_EQ(form.textOf("Text10"), QStringLiteral("12"));
}

// An item shown stays the one edited, at the line numbers of its own file, even after the
// folder changed (the list and the buffers stay until weapon.cfg is clicked there).
TEST_F(EditingKeys, AnEditAfterAFolderChangeGoesToTheFileItsItemCameFrom) {
    const QByteArray other = "Weapon=other\r\nCost=1\r\nClip=2\r\n";
    game.writeFile(QStringLiteral("second/weapon.cfg"), other);
    clickItem(1);
    openFolder(game.path(QStringLiteral("second")));
    retype(form.textBox("Text10"), QStringLiteral("99"));
    EXPECT_EQ(lineOf("Clip="), "Clip=99");
    EXPECT_EQ(game.readFile(QStringLiteral("second/weapon.cfg")), other);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// Every box the program fills shows the beginning of its value; the box being typed in keeps
// its caret.
TEST_F(EditingKeys, FilledBoxesShowTheBeginningOfTheirValues) {
    chooseCategory(2);
    clickItemFile();
    clickItem(0);
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    for (const char* control : {"Text30", "Text32"})
        EXPECT_EQ(form.textBox(control)->cursorPosition(), 0) << control;
    EXPECT_EQ(form.priceBox()->cursorPosition(), 0);
    QLineEdit* picture = form.textBox("Text30");
    EXPECT_EQ(picture->text(), QStringLiteral("20000003"));
    // The box shows its first characters, not its last.
    const QImage shown = picture->grab().toImage();
    EXPECT_EQ(picture->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() <
                  picture->width() / 2,
              true);
    Q_UNUSED(shown);

    QLineEdit* price = form.textBox("Text32");
    retype(price, QStringLiteral("1234"));
    price->setCursorPosition(2);
    press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(price->text(), QStringLiteral("100"));
    EXPECT_EQ(price->cursorPosition(), 2);
}

TEST_F(EditingKeys, HistoryWindowListsTheStepsAndMovesToTheOneClicked) {
    const QByteArray original = items();
    clickItem(1);
    retype(form.textBox("Text5"), QStringLiteral("1"));
    retype(form.textBox("Text10"), QStringLiteral("2"));
    const QByteArray end = items();
    press(Qt::CTRL | Qt::Key_H);
    QUndoView* view = form.historyWindow()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.historyWindow()));
    ASSERT_EQ(view->model()->rowCount(), 3); // the opened file, then the two steps
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), QStringLiteral("rifle · 价格：50 → 1"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(items(), original);
    EXPECT_EQ(form.document().history().index(), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(2, 0)).center());
    EXPECT_EQ(items(), end);

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    focus(form.itemList());
    press(Qt::Key_F1);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Ctrl+Y")));
}

} // namespace
} // namespace wed::test
