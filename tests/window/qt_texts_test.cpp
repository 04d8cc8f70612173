#include "window/prompts.h"
#include "window/qt_chinese.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace wed {
namespace {

// Qt's own texts speak Chinese with the window: the buttons of an input dialog, read while it
// is open.
TEST(QtTexts, ADialogsButtonsAreChinese) {
    const auto chinese = installQtChinese();
    ASSERT_TRUE(chinese);
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            buttons.append(button->text());
        dialog->close();
    });
    ModalPrompts().askText(nullptr, QStringLiteral("改名"), QStringLiteral("新编号"), {});
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("取消"), QStringLiteral("确定")}));
}

} // namespace
} // namespace wed
