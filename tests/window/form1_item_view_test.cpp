#include "window/form1_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace wed::test {
namespace {

const QString kSeparator = QStringLiteral(";**************************");

class ItemView : public Form1Fixture {
  protected:
    void SetUp() override {
        // Records joined by '|', one line each; ";*" ends weapons and armor, ";**" implants.
        const QString items = "Weapon=gun|Cost=700|Clip=12|VidMENU=12340005|Class=3|"
                              "AmmoName=Ammo_minigun|;*|Weapon=bare|Cost=5|;*|Armor=vest|"
                              "Cost=300|Hp=80|;*|Implant=ImplantSkillsCost|Health=10|Strength=20|"
                              "Speed=30|Accuracy=40|Intelligence=50|;**|Implant=chip|Cost=100|"
                              "NumSkill=2|MinMax=1 3|;**|";
        game.writeItems(QString(items).replace(";*|", kSeparator + "|").split(u'|'));
        game.writeNames({"<gun>", "x", "名称：      机关枪", "3", "4", "5", "6", "7", "第一行说明",
                         "", "<vest>", "x", "y", "名称：      防弹衣", "4", "5", "护甲说明", ""});
        loadGame();
    }

    QString text(const char* control) const { return form.textOf(control); }
};

TEST_F(ItemView, WeaponShowsValuesLineNumbersNameAndDescriptionAndOpensTheGate) {
    form.textBox("Text20")->setText("stale");
    clickItem(0);
    EXPECT_EQ(text("Text5"), "700");
    EXPECT_EQ(line("Text5"), 2);
    EXPECT_EQ(text("Combo1"), "3");
    EXPECT_EQ(text("Combo2"), "Ammo_minigun");
    EXPECT_EQ(text("Text3"), QStringLiteral("无"));
    EXPECT_EQ(line("Text3"), 0);
    EXPECT_EQ(text("Text20"), QStringLiteral("无")); // the armor panel is emptied too
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("机关枪"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QStringLiteral("第一行说明\n"));
    EXPECT_EQ(form.document().gateOpen(), true);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ItemView, NextItemClearsLineNumbersAndKeepsTheNameWhenItHasNone) {
    clickItem(0);
    clickItem(1);
    EXPECT_EQ(text("Text10"), QStringLiteral("无"));
    EXPECT_EQ(line("Text10"), 0);
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("机关枪"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QString());
}

TEST_F(ItemView, ArmorLeavesTheWeaponFieldsAlone) {
    clickItem(0);
    chooseCategory(1);
    ASSERT_EQ(listed(), QStringList{"vest"});
    clickItem(0);
    EXPECT_EQ(text("Text19"), "300");
    EXPECT_EQ(text("Text20"), "80");
    EXPECT_EQ(text("Text5"), "700");
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("防弹衣"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QStringLiteral("护甲说明\n"));
}

TEST_F(ItemView, TypingIntoAFieldWritesEachKeystrokeOnItsOwnLine) {
    clickItem(0);
    chooseCategory(1);
    clickItem(0);
    QLineEdit* price = form.textBox("Text19");
    price->selectAll();
    const QByteArray before = game.readFile("weapon.cfg");
    QStringList written;
    for (const char* key : {"1", "5", "0", "0"}) {
        QTest::keyClicks(price, key);
        written << QString::fromLatin1(game.readFile("weapon.cfg").split('\r').at(11).trimmed());
    }
    EXPECT_EQ(written, (QStringList{"Cost=1", "Cost=15", "Cost=150", "Cost=1500"}));
    QByteArray expected = before;
    expected.replace("Cost=300", "Cost=1500");
    EXPECT_EQ(game.readFile("weapon.cfg"), expected);
    EXPECT_EQ(form.document().items().bytes(), expected);
}

TEST_F(ItemView, ClassOutOfRangeShowsTheMessageAndWritesNothing) {
    clickItem(0);
    const QByteArray before = game.readFile("weapon.cfg");
    QTest::keyClicks(form.comboBox("Combo1")->lineEdit(), "5");
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("数据错误！")});
    EXPECT_EQ(game.readFile("weapon.cfg"), before);
    pick("Combo1", 4);
    EXPECT_TRUE(game.readFile("weapon.cfg").contains("\r\nClass=4\r\n"));
}

TEST_F(ItemView, AFileChangedByAnotherProgramIsNotOverwrittenAndIsShownAgain) {
    clickItem(0);
    QByteArray outside = game.readFile("weapon.cfg");
    outside.replace("Cost=700", "Cost=701");
    game.writeFile("weapon.cfg", outside);
    form.textBox("Text10")->setText("30");
    EXPECT_EQ(game.readFile("weapon.cfg"), outside);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(text("Text5"), "701");
    EXPECT_EQ(text("Text10"), "12");
    EXPECT_EQ(form.document().gateOpen(), true);
}

TEST_F(ItemView, PriceButtonEstimatesFromTheImplantAndTheSkillCosts) {
    chooseCategory(2);
    clickItem(0); // the list is still the weapons'; the gate opens
    chooseCategory(2);
    ASSERT_EQ(listed(), QStringList{"chip"});
    clickItem(0);
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(form.priceBox()->text(), QStringLiteral("'130 ～ '370"));
    EXPECT_EQ(form.document().skillCosts()[4], "50");
}

} // namespace
} // namespace wed::test
