#pragma once

#include "support/active_window.h"
#include "window/form1_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

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
    // A key, and what it sets going: an item view commits an edit after its Enter is handled.
    void press(QKeyCombination keys) {
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        QCoreApplication::processEvents();
    }
};

} // namespace wed::test
