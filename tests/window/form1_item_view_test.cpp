#include "window/form1_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace wed::test {
namespace {

const QString kSeparator = QStringLiteral(";**************************");

class ItemView : public Form1Fixture {
  protected:
    void SetUp() override {
        // Records joined by '|', one line each; ";*" ends each.
        const QString items = "Weapon=gun|Cost=700|Clip=12|VidMENU=12340005|Class=3|"
                              "AmmoName=Ammo_minigun|;*|Weapon=bare|Cost=5|;*|Armor=vest|"
                              "Cost=300|Hp=80|;*|";
        game.writeItems(QString(items).replace(";*", kSeparator).split(u'|'));
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
    EXPECT_EQ(form.gateOpen(), true);
    EXPECT_TRUE(messages.texts.isEmpty());
}

// An item without a name record keeps the name shown; an armor leaves the weapon fields alone.
TEST_F(ItemView, NextItemClearsLineNumbersAndArmorLeavesTheWeaponFieldsAlone) {
    clickItem(0);
    clickItem(1);
    EXPECT_EQ(text("Text10"), QStringLiteral("无"));
    EXPECT_EQ(line("Text10"), 0);
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("机关枪"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QString());

    chooseCategory(1);
    ASSERT_EQ(listed(), QStringList{"vest"});
    clickItem(0);
    EXPECT_EQ(text("Text20"), "80");
    EXPECT_EQ(text("Text5"), "5");
    EXPECT_EQ(form.nameBox()->text(), QStringLiteral("防弹衣"));
    EXPECT_EQ(form.descriptionBox()->toPlainText(), QStringLiteral("护甲说明\n"));
}

TEST_F(ItemView, ClassOutOfRangeShowsTheMessageAndWritesNothing) {
    clickItem(0);
    const QByteArray before = game.readFile("weapon.cfg");
    QTest::keyClicks(form.comboBox("Combo1")->lineEdit(), "5");
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("数据错误！")});
    EXPECT_EQ(game.readFile("weapon.cfg"), before);
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
    EXPECT_EQ(form.gateOpen(), true);
}

// A value typed over a key line that holds a lone line break would take the line after the
// break with it: that field is read-only and its tooltip says why; the next item's is not.
TEST_F(ItemView, AFieldWhoseLineHoldsALoneLineBreakIsReadOnlyAndSaysWhy) {
    QByteArray bytes = game.readFile("weapon.cfg");
    game.writeFile(
        "weapon.cfg",
        bytes.replace("Cost=700", "Cost=700\nAdd_level=2").replace("Class=3", "Class=3\r"));
    clickItemFile();
    clickItem(0);
    QLineEdit* cost = form.textBox("Text5");
    QComboBox* weaponClass = form.comboBox("Combo1");
    EXPECT_TRUE(cost->isReadOnly());
    EXPECT_TRUE(
        cost->toolTip().contains(QStringLiteral("第 2 行在“Cost=700”之后有单独的回车符或换行符")))
        << cost->toolTip().toStdString();
    EXPECT_FALSE(weaponClass->isEnabled());
    EXPECT_TRUE(weaponClass->toolTip().contains(QStringLiteral("第 5 行在“Class=3”之后")));
    EXPECT_FALSE(form.textBox("Text10")->isReadOnly());
    clickItem(1);
    EXPECT_FALSE(cost->isReadOnly());
    EXPECT_TRUE(weaponClass->isEnabled());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(ItemView, AFileWhoseLineEndsAreNotCrLfIsRefusedWithWhy) {
    game.writeFile("weapon.cfg", game.readFile("weapon.cfg").replace("\r\n", "\n"));
    clickItemFile();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("的行尾不是 CR LF")));
}

} // namespace
} // namespace wed::test
