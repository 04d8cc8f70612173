#pragma once

#include "support/active_window.h"
#include "window/form1_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace wed::test {

const QString kEnd = QStringLiteral(";**************************");

// The window, active, on a small game folder: two weapons, an armor and an implant.
class KeysFixture : public Form1Fixture {
  protected:
    void SetUp() override {
        WED_ACTIVATE_OR_SKIP(form);
        game.writeItems({"Weapon=gun", "Cost=700", "Class=3", "AmmoName=Ammo_minigun",
                         "VIDBullet=800", kEnd, "Weapon=rifle", "Cost=50", "Clip=12", kEnd,
                         "Armor=vest", "Cost=300", "Hp=80", kEnd, "Implant=chip",
                         "VidMENU=20000003", "Cost=100", ";**", ""});
        game.writeNames({"<gun>", "1", "名称：      机关枪", ""});
        loadGame();
    }

    QByteArray items() const { return game.readFile(QStringLiteral("weapon.cfg")); }
    // The line of weapon.cfg that begins with the key.
    QByteArray lineOf(const QByteArray& key) const {
        for (const QByteArray& line : items().split('\n'))
            if (line.startsWith(key))
                return line.trimmed();
        return {};
    }

    // Gives the widget the keyboard focus as a click or Tab would.
    void focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }));
    }
    // Types the characters into the widget with the focus, Chinese ones too.
    static void type(const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    // Replaces the text of a box the way a user does: select all, then type.
    void retype(QWidget* box, const QString& text) {
        focus(box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    // Once a modal dialog of the type is shown with the focus, `answer` answers it as a user would.
    template <typename Dialog> static void whenShown(std::function<void(Dialog&)> answer) {
        QTimer::singleShot(0, [answer] {
            Dialog* dialog = nullptr;
            if (QTest::qWaitFor([&] {
                    dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
                    return dialog && dialog->isAncestorOf(QApplication::focusWidget());
                }))
                return answer(*dialog);
            ADD_FAILURE() << "no dialog shown";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        });
    }
    // Makes the window the one the keys go to; a window shown or closed last may keep that
    // for a while after the platform says the window is active.
    static void activate(QWidget& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    }
    // A key, and what it sets going: an item view commits an edit after its Enter is handled.
    void press(QKeyCombination keys) {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        QCoreApplication::processEvents();
    }
};

} // namespace wed::test
