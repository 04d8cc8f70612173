#include "keys_fixture.h"

namespace wed::test {
namespace {

using ChoiceKeys = KeysFixture;

// What is typed is what the box holds and what is written, one keystroke at a time: the
// boxes never complete a text from their lists.
TEST_F(ChoiceKeys, TypedTextIsWrittenAsTypedKeyByKey) {
    clickItem(0);
    struct Case {
        const char* control;
        const char* keys;
        QByteArray key;
        QList<QByteArray> written;
    } cases[] = {
        {"Combo3", "80", "VIDBullet=", {"VIDBullet=8", "VIDBullet=80"}},
        {"Combo3", "13", "VIDBullet=", {"VIDBullet=1", "VIDBullet=13"}},
        {"Combo1", "2", "Class=", {"Class=2"}},
        {"Combo2",
         "Ammo",
         "AmmoName=",
         {"AmmoName=A", "AmmoName=Am", "AmmoName=Amm", "AmmoName=Ammo"}},
    };
    for (const Case& c : cases) {
        QComboBox* box = form.comboBox(c.control);
        focus(box);
        press(Qt::CTRL | Qt::Key_A);
        QList<QByteArray> written;
        for (const char* key = c.keys; *key; ++key) {
            type(QString(QLatin1Char(*key)));
            written << lineOf(c.key);
        }
        EXPECT_EQ(written, c.written) << c.control;
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
