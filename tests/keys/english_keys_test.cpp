// The window in English, driven with keys in an active window: English captions and menus,
// edits that write the very bytes the Chinese window writes, and the switch between the two
// languages from the 帮助 menu.
#include "base/language.h"
#include "keys_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace wed::test {
namespace {

// Chooses English before the window is made, and Chinese again once it is gone.
struct EnglishChosen {
    EnglishChosen() { chooseLanguage(u"en"); }
    ~EnglishChosen() { chooseLanguage(u"zh"); }
};

class LanguageKeys : public KeysFixture {
  protected:
    QStringList menus() const {
        QStringList texts;
        for (const QAction* menu : form.menuBar()->actions())
            texts << menu->text();
        return texts;
    }
    // Opens the menu bar with Alt alone, as a user does, and goes to its last menu (帮助).
    QMenu* openLastMenu() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        QCoreApplication::processEvents();
        QTest::keyClick(form.menuBar(), Qt::Key_Left);
        QTest::keyClick(form.menuBar(), Qt::Key_Down);
        QMenu* menu = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
        return menu;
    }
    // The same keys in either language: a price typed, a projectile picked from its list, both
    // undone; the file after each edit, and at the end. What they write must not depend on the
    // language.
    QByteArray editAndUndo(std::vector<QByteArray>& written) {
        clickItem(0);
        retype(form.textBox("Text5"), QStringLiteral("15"));
        written.push_back(items());
        focus(form.comboBox("Combo3"));
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        written.push_back(items());
        // In the choice box: the history's undo, not its line box's own.
        press(Qt::CTRL | Qt::Key_Z);
        press(Qt::CTRL | Qt::Key_Z);
        return items();
    }
    void editAndUndoWritesTheSameBytes() {
        const QByteArray original = items();
        std::vector<QByteArray> written;
        EXPECT_EQ(editAndUndo(written), original);
        ASSERT_EQ(written.size(), 2u);
        EXPECT_EQ(written[0], QByteArray(original).replace("Cost=700", "Cost=15"));
        EXPECT_EQ(written[1], QByteArray(written[0]).replace("VIDBullet=800", "VIDBullet=801"));
    }
};

using ChineseKeys = LanguageKeys;
class EnglishKeys : EnglishChosen, public LanguageKeys {};

TEST_F(ChineseKeys, EditsWriteTheBytesTheEnglishWindowWrites) {
    editAndUndoWritesTheSameBytes();
}

// Started in English: captions, menus and help are English; the category words and the choice
// entries stay the Chinese the files and handlers use, with their English as tooltips; edits
// write what the Chinese window writes.
TEST_F(EnglishKeys, StartsInEnglishAndWritesWhatTheChineseWindowWrites) {
    EXPECT_EQ(menus(), (QStringList{"File", "Edit", "Item", "Tools", "Help"}));
    // Each menu has its place in the bar, not only in the list behind its overflow button.
    for (QAction* menu : form.menuBar()->actions())
        EXPECT_TRUE(form.menuBar()->rect().contains(form.menuBar()->actionGeometry(menu)))
            << menu->text().toStdString();
    EXPECT_EQ(form.label("Label1")->text(), QStringLiteral("Buyable from stage"));
    EXPECT_EQ(form.label("Label32")->text(), QStringLiteral("Name"));
    QComboBox* category = form.categoryBox();
    EXPECT_EQ(category->itemText(1), QStringLiteral("装甲"));
    EXPECT_EQ(category->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("Armor"));
    QComboBox* ammo = form.comboBox("Combo2");
    EXPECT_EQ(ammo->itemText(2), QStringLiteral("机枪弹 Ammo_minigun"));
    EXPECT_EQ(ammo->itemData(2, Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("Machine gun rounds (Ammo_minigun)"));

    editAndUndoWritesTheSameBytes();
    EXPECT_EQ(form.comboBox("Combo3")->currentText(), QStringLiteral("800  子弹（小）"));

    press(Qt::Key_F1);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("  Undo\tCtrl+Z")))
        << messages.texts[0].toStdString();
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("Tools → Rules…")));
}

// 帮助's last entry switches the running window to Chinese, as it is when started so, Qt's own
// texts too, and back to English.
TEST_F(EnglishKeys, TheHelpMenuSwitchesBetweenEnglishAndChinese) {
    clickItem(0);
    const QString qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QMenu* help = openLastMenu();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->title(), QStringLiteral("Help"));
    QTest::keyClick(help, Qt::Key_Up); // the last entry
    EXPECT_EQ(help->activeAction()->text(), QStringLiteral("Language: switch to 中文"));
    QTest::keyClick(help, Qt::Key_Return);
    ASSERT_EQ(chosenLanguage(), Language::Chinese);
    // Qt posts the change of language to the windows.
    EXPECT_TRUE(QTest::qWaitFor([&] { return menus().front() == u"文件"; }));
    EXPECT_EQ(menus(), (QStringList{"文件", "编辑", "物品", "工具", "帮助"}));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    {
        // Every control as a window started in Chinese has it: text, font and place.
        Form1 chinese;
        chinese.setAttribute(Qt::WA_DontShowOnScreen); // laid out as shown, but not activated
        chinese.show();
        for (const QWidget* made : chinese.findChildren<QWidget*>()) {
            const QString name = made->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_") || name == u"Label15")
                continue;
            const auto* shown = form.findChild<QWidget*>(name);
            ASSERT_NE(shown, nullptr) << name.toStdString();
            EXPECT_EQ(shown->geometry(), made->geometry()) << name.toStdString();
            EXPECT_EQ(shown->font(), made->font()) << name.toStdString();
            EXPECT_EQ(shown->accessibleName(), made->accessibleName()) << name.toStdString();
            if (qobject_cast<const QLabel*>(made) || qobject_cast<const QAbstractButton*>(made) ||
                qobject_cast<const QGroupBox*>(made)) {
                for (const char* text : {"text", "title", "toolTip"})
                    EXPECT_EQ(shown->property(text).toString(), made->property(text).toString())
                        << name.toStdString() << ' ' << text;
            }
        }
    }
    EXPECT_EQ(form.categoryBox()->itemData(0, Qt::ToolTipRole), QVariant());
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("700")) << "the item shown stays";

    help = openLastMenu();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->title(), QStringLiteral("帮助"));
    QTest::keyClick(help, Qt::Key_Up);
    QTest::keyClick(help, Qt::Key_Return);
    ASSERT_EQ(chosenLanguage(), Language::English);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menus().front() == u"File"; }));
    EXPECT_EQ(menus(), (QStringList{"File", "Edit", "Item", "Tools", "Help"}));
    EXPECT_EQ(form.label("Label1")->text(), QStringLiteral("Buyable from stage"));
    EXPECT_EQ(form.findChild<QPushButton*>("Command1")->text(), QStringLiteral("Estimate price"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
}

} // namespace
} // namespace wed::test
