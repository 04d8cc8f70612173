#include "window/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace wed {
namespace {

// The ordinary message box: modal, OK only, no icon, titled with the application's name.
TEST(ModalMessageBox, ShowsTheTextWithOnlyAnOkButtonAndNoIcon) {
    QCoreApplication::setApplicationName(QStringLiteral("编辑器"));
    QString text, title;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        buttons = int(box->buttons().size());
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    ModalMessageBox().show(nullptr, QStringLiteral("数据错误！"));
    EXPECT_EQ(text, QStringLiteral("数据错误！"));
    EXPECT_EQ(title, QStringLiteral("编辑器"));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

} // namespace
} // namespace wed
