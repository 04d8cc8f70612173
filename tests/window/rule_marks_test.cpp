// The mod's own checks mark the field they judge on the item shown, as the built-in checks do,
// and follow every write, undo, redo, reading of the files and of the rules.
#include "window/form1_fixture.h"

#include <QLineEdit>

namespace wed::test {
namespace {

class RuleMarks : public Form1Fixture {
  protected:
    void SetUp() override {
        for (const char* file : {"weapon.cfg", "Text/Weapon.txt", "weapon-rules.lua"})
            game.writeFile(file, readBytes(QStringLiteral(WED_SAMPLE_DIR "/") + file));
        loadGame();
        clickItem(1);
    }

    // Replaces the field's text as a user does, one typing step.
    void type(const char* control, const QString& text, bool replace = true) {
        form.document().endTyping();
        QLineEdit* edit = form.textBox(control);
        if (replace)
            edit->selectAll();
        else
            edit->end(false);
        QTest::keyClicks(edit, text);
    }
    bool framed(const char* control) const {
        return form.textBox(control)->styleSheet().contains(QStringLiteral("border"));
    }
    QString tip(const char* control) const { return form.textBox(control)->toolTip(); }
};

TEST_F(RuleMarks, APriceNoMultipleOfTenIsFramedUntilItIsOne) {
    type("Text5", "120");
    EXPECT_FALSE(framed("Text5"));
    type("Text5", "125");
    EXPECT_TRUE(framed("Text5"));
    EXPECT_TRUE(
        tip("Text5").contains(QStringLiteral("警告：价格应为 10 的倍数 [price-multiple-of-10]")))
        << tip("Text5").toStdString();
    type("Text5", "0", false);
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("1250"));
    EXPECT_FALSE(framed("Text5"));
    EXPECT_FALSE(tip("Text5").contains(QStringLiteral("price-multiple-of-10")));

    EXPECT_TRUE(form.document().undo().done());
    EXPECT_TRUE(framed("Text5")) << "undo";
    EXPECT_TRUE(form.document().redo().done());
    EXPECT_FALSE(framed("Text5")) << "redo";
    type("Text5", "5", false);
    EXPECT_TRUE(form.document().reload().done());
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("12505"));
    EXPECT_TRUE(framed("Text5")) << "reload";
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
}

// Rules read again mark at once; a check that fails or never ends marks its field with why,
// and the window goes on.
TEST_F(RuleMarks, RulesReadAgainMarkAtOnceAndABrokenCheckSaysWhy) {
    type("Text5", "120");
    ASSERT_FALSE(framed("Text5"));
    const QString extra = game.writeFile("more.lua", QByteArrayLiteral(R"(
check { "weapon", "cheap", "太贵", key = "Cost", function(item) return item.Cost < 100 end }
check { "weapon", "loops", "x", key = "Damage", function(item) while true do end end }
check { "weapon", "no-key", "x", function(item) return false end }
)"));
    form.documentRules().setExtraFiles({extra});
    EXPECT_TRUE(framed("Text5"));
    EXPECT_TRUE(tip("Text5").contains(QStringLiteral("太贵 [cheap]")))
        << tip("Text5").toStdString();
    EXPECT_TRUE(tip("Text3").contains(QStringLiteral("[rule-error]")))
        << tip("Text3").toStdString();
    form.documentRules().setExtraFiles({});
    EXPECT_FALSE(framed("Text5"));
    EXPECT_FALSE(tip("Text3").contains(QStringLiteral("rule-error")));
}

} // namespace
} // namespace wed::test
