#include "keys_fixture.h"
#include "window/qt_chinese.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace wed::test {
namespace {

using ContextMenus = KeysFixture;

// The entry of the open menu whose text starts with `text`; null when there is none.
QAction* entry(const QString& text) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
        if (action->text().startsWith(text))
            return action;
    return nullptr;
}

void click(QAction* action) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

// A text box's menu is Qt's, in Chinese, with the history's undo and redo in place of the
// box's own, which would write the box's older text as a new edit. Opened with the menu key
// (the platform turns it into this event on the window) or with a right click.
TEST_F(ContextMenus, UndoAndRedoInATextBoxMenuAreTheHistorys) {
    const auto chinese = installQtChinese();
    ASSERT_TRUE(chinese);
    clickItem(0);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
    QWidget* description = form.descriptionBox()->viewport();
    const QPoint right = description->mapTo(&form, description->rect().center());
    int price = 10;
    for (QWidget* box : {form.fieldWidget("Text5"), form.fieldWidget("Combo3"), description}) {
        const QByteArray before = items();
        retype(form.textBox("Text5"), QString::number(++price));
        const QByteArray typed = items();
        focus(box);
        if (box == description)
            QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, right);
        else
            QApplication::sendEvent(form.windowHandle(), &menuKey);
        ASSERT_TRUE(entry(QStringLiteral("撤消(&U)"))) << box->objectName().toStdString();
        EXPECT_FALSE(entry(QStringLiteral("重做(&R)"))->isEnabled());
        click(entry(QStringLiteral("撤消(&U)")));
        EXPECT_EQ(items(), before);
        EXPECT_TRUE(form.document().history().canRedo()) << "not an edit of its own";
        QApplication::sendEvent(form.windowHandle(), &menuKey);
        click(entry(QStringLiteral("重做(&R)")));
        EXPECT_EQ(items(), typed);
    }
}

} // namespace
} // namespace wed::test
