#include "keys_fixture.h"
#include "window/editor_actions.h"
#include "window/history_window.h"

#include <QListView>
#include <QListWidget>
#include <QPushButton>

namespace wed::test {
namespace {

using EditingKeys = KeysFixture;
using ChoiceKeys = KeysFixture;

// The document's undo replaces a text box's own: Ctrl+Z takes back the last change written,
// Ctrl+Y and Ctrl+Shift+Z make it again, with the focus in the box; F1 tells them.
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
    press(Qt::Key_F1); // the help names the keys
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Ctrl+Y")));
    // Its rules section names the rules file and the menu entry of the rules as it is.
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("weapon-rules.lua")));
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("工具 → 规则…")));
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
    // The box shows its first characters, not its last.
    EXPECT_LT(picture->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(),
              picture->width() / 2);

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
    QListView* view = form.actions().historyWindow()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.actions().historyWindow()));
    ASSERT_EQ(view->model()->rowCount(), 3); // the opened file, then the two steps
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), QStringLiteral("rifle · 价格：50 → 1"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(items(), original);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(2, 0)).center());
    EXPECT_EQ(items(), end);
}

// What is typed is what the box holds and what is written, one keystroke at a time: the
// boxes never complete a text from their lists.
TEST_F(ChoiceKeys, TypedTextIsWrittenAsTypedKeyByKey) {
    clickItem(0);
    const struct {
        const char* control;
        QByteArray key;
        QByteArray keys;
    } cases[] = {{"Combo3", "VIDBullet=", "80"},
                 {"Combo3", "VIDBullet=", "13"},
                 {"Combo1", "Class=", "2"},
                 {"Combo2", "AmmoName=", "Ammo"}};
    for (const auto& c : cases) {
        QComboBox* box = form.comboBox(c.control);
        focus(box);
        press(Qt::CTRL | Qt::Key_A);
        for (qsizetype i = 0; i < c.keys.size(); ++i) {
            type(QString(QLatin1Char(c.keys[i])));
            EXPECT_EQ(lineOf(c.key), c.key + c.keys.left(i + 1)) << c.control;
        }
        EXPECT_EQ(box->currentText(), QString::fromLatin1(c.keys)) << c.control;
    }
    retype(form.categoryBox(), QStringLiteral("装"));
    EXPECT_EQ(form.categoryBox()->currentText(), QStringLiteral("装"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// A pick from the list writes the entry's code once, as one step of its own: the typing that
// follows is a step of its own too.
TEST_F(ChoiceKeys, APickWritesOnceAsAStepOfItsOwn) {
    clickItem(0);
    QComboBox* bullet = form.comboBox("Combo3");
    focus(bullet);
    press(Qt::Key_Down); // the next entry of the list, picked with the keyboard
    EXPECT_EQ(lineOf("VIDBullet="), "VIDBullet=800");
    EXPECT_EQ(form.document().history().count(), 0) << "the first entry is what the file says";
    press(Qt::Key_Down);
    EXPECT_EQ(lineOf("VIDBullet="), "VIDBullet=801");
    EXPECT_EQ(form.document().history().count(), 1);
    EXPECT_EQ(bullet->currentText(), QStringLiteral("801  子弹（大）"));
    press(Qt::CTRL | Qt::Key_A);
    type(QStringLiteral("9"));
    EXPECT_EQ(lineOf("VIDBullet="), "VIDBullet=9");
    EXPECT_EQ(form.document().history().count(), 2);
}

} // namespace
} // namespace wed::test
