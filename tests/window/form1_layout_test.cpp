#include "app/category.h"
#include "app/window/form1.h"
#include "data/item_fields.h"
#include "support/qt_printers.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace wed {
namespace {

QRect pixels(int left, int top, int width, int height) {
    auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(left), px(top), px(width), px(height)};
}

class Form1Layout : public testing::Test {
  protected:
    template <typename W = QWidget> W* child(const char* name) {
        return form.findChild<W*>(QLatin1String(name));
    }
    Form1 form;
};

TEST_F(Form1Layout, IsAFixedDialogOfTheClientSizeWithoutMinimizeOrMaximize) {
    EXPECT_EQ(form.size(), QSize(750, 645));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowTitle().contains(QStringLiteral("v1.31")));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Form1Layout, WindowRegionsStandAtTheirTwipsDividedByFifteen) {
    struct Region {
        const char* name;
        QRect rect;
    };
    const Region regions[] = {
        {"List1", pixels(120, 1005, 2295, 8520)},   {"Frame3", pixels(2520, 960, 5775, 8655)},
        {"Frame4", pixels(2520, 960, 5775, 8535)},  {"Frame5", pixels(2520, 960, 5775, 8535)},
        {"Drive1", pixels(8400, 1005, 2700, 300)},  {"Dir1", pixels(8400, 1320, 2700, 2190)},
        {"Combo4", pixels(8400, 3600, 2655, 300)},  {"File2", pixels(8400, 3960, 1380, 810)},
        {"Frame1", pixels(9840, 3960, 1815, 855)},  {"Option1", pixels(0, 0, 1335, 375)},
        {"Option2", pixels(0, 480, 1335, 375)},     {"Pic1", pixels(8400, 4800, 2700, 2700)},
        {"Label32", pixels(8280, 7560, 1935, 375)}, {"Text29", pixels(8880, 7560, 2295, 270)},
        {"Text28", pixels(8280, 7920, 2895, 1575)}, {"Command1", pixels(360, 360, 1215, 375)},
        {"Text38", pixels(1920, 360, 3615, 375)},   {"Frame2", pixels(0, 5640, 5655, 2895)},
    };
    for (const Region& r : regions) {
        QWidget* w = child(r.name);
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->geometry(), r.rect) << r.name;
    }
    EXPECT_EQ(child("Option1")->parentWidget(), child("Frame1"));
    EXPECT_EQ(child("Frame2")->parentWidget(), child("Frame3"));
    EXPECT_EQ(child("Command1")->parentWidget(), child("Frame5"));
}

TEST_F(Form1Layout, SpotChecksOfThePanelsAgreeWithTheLayoutTables) {
    EXPECT_EQ(child("Text2")->geometry(), pixels(2160, 120, 975, 375));
    EXPECT_EQ(child("Label21")->geometry().topLeft(), QPoint(3960 / 15, 720 / 15));
    EXPECT_EQ(child("Combo2")->geometry(), pixels(2160, 3720, 3495, 300));
    EXPECT_EQ(child("Text12")->geometry(), pixels(4560, 2400, 975, 375));
    EXPECT_EQ(child("Text12")->parentWidget(), child("Frame2"));
    EXPECT_EQ(child("Text27")->geometry(), pixels(4200, 7680, 1400, 600));
    EXPECT_EQ(child("Label39")->geometry(), pixels(240, 5760, 4000, 800));
    EXPECT_EQ(child("Text31")->parentWidget(), child("Frame5"));
}

// Every label and field of the three panels, as the field tables give them.
TEST_F(Form1Layout, EveryFieldAndLabelComesFromTheFieldTables) {
    int fields = 0;
    for (const Category& c : categories()) {
        for (const FieldSpec& f : categoryFields(c.id).fields) {
            SCOPED_TRACE(f.control);
            QWidget* field = child(f.control);
            auto* label = child<QLabel>(f.label);
            ASSERT_NE(field, nullptr);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(field->parentWidget(), child(f.container));
            EXPECT_EQ(label->parentWidget(), child(f.container));
            EXPECT_EQ(field->geometry(), pixels(f.fieldRect.left, f.fieldRect.top,
                                                f.fieldRect.width, f.fieldRect.height));
            EXPECT_EQ(label->text(), f.caption);
            EXPECT_EQ(label->toolTip(), f.labelHelp);
            EXPECT_EQ(field->toolTip(), f.fieldHelp);
            EXPECT_EQ(field->accessibleName(), f.caption.trimmed());
            EXPECT_EQ(form.fieldWidget(f.control), field);
            ++fields;
        }
    }
    EXPECT_EQ(fields, 20 + 9 + 8);
}

TEST_F(Form1Layout, AccessibleNamesAndHelpTextsReadAsTheUserSeesThem) {
    EXPECT_EQ(child("Text12")->accessibleName(), QStringLiteral("每枪发出子弹数、减少子弹数"));
    EXPECT_EQ(child<QLabel>("Label12")->text(), QStringLiteral("每枪发出子弹数、减少子弹数\r\n"));
    EXPECT_EQ(child("Text15")->toolTip(), QStringLiteral("减一为大图"));
    EXPECT_EQ(child("Combo1")->accessibleName(), QStringLiteral("该武器类别"));
    EXPECT_TRUE(child("Label33")->toolTip().isEmpty());
}

TEST_F(Form1Layout, ChoiceBoxesHoldTheirWholeListsAndStartWithEmptyText) {
    for (const char* name : {"Combo1", "Combo2", "Combo3"}) {
        SCOPED_TRACE(name);
        auto* combo = form.comboBox(name);
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        EXPECT_EQ(items, fieldByControl(QString::fromLatin1(name))->choices);
        EXPECT_TRUE(combo->currentText().isEmpty());
    }
    EXPECT_EQ(form.comboBox("Combo1")->count(), 6);
    EXPECT_EQ(form.comboBox("Combo2")->count(), 10);
    EXPECT_EQ(form.comboBox("Combo3")->count(), 23);

    QComboBox* category = form.categoryBox();
    EXPECT_TRUE(category->isEditable());
    ASSERT_EQ(category->count(), 3);
    EXPECT_EQ(category->itemText(0), QStringLiteral("武器"));
    EXPECT_EQ(category->itemText(1), QStringLiteral("装甲"));
    EXPECT_EQ(category->itemText(2), QStringLiteral("晶体"));
    EXPECT_EQ(category->currentText(), QStringLiteral("武器"));
}

TEST_F(Form1Layout, FontsFollowTheirPanels) {
    auto points = [&](const char* name) { return child(name)->font().pointSizeF(); };
    EXPECT_EQ(child("Label1")->font().family(), QStringLiteral("宋体"));
    EXPECT_DOUBLE_EQ(points("Label1"), 15.75);
    EXPECT_DOUBLE_EQ(points("Label12"), 15.75); // a weapon label inside the pair frame
    EXPECT_DOUBLE_EQ(points("Option2"), 15.75);
    EXPECT_DOUBLE_EQ(points("Label24"), 21.75);
    EXPECT_DOUBLE_EQ(points("Text19"), 21.75);
    EXPECT_DOUBLE_EQ(points("Label40"), 21.75);
    EXPECT_DOUBLE_EQ(points("Text37"), 21.75);
    EXPECT_DOUBLE_EQ(points("Label32"), 15.0);
    EXPECT_DOUBLE_EQ(points("Frame2"), 15.0);
    // Fields of the pair frame keep the default font, not the frame caption's size.
    EXPECT_EQ(child("Text3")->font().pointSizeF(), form.font().pointSizeF());
    EXPECT_EQ(child("List1")->font().pointSizeF(), form.font().pointSizeF());
}

TEST_F(Form1Layout, StartsOnTheWeaponPanelWithAnEmptyListAndAClosedGate) {
    form.show();
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Frame4")->isVisible());
    EXPECT_FALSE(child("Frame5")->isVisible());
    EXPECT_EQ(child<QGroupBox>("Frame4")->title(), QStringLiteral("Frame4"));
    EXPECT_TRUE(child<QGroupBox>("Frame3")->title().isEmpty());
    EXPECT_EQ(form.itemList()->count(), 0);
    EXPECT_FALSE(form.itemList()->isSortingEnabled());
    EXPECT_TRUE(form.option1()->isChecked());
    EXPECT_FALSE(form.option2()->isChecked());
    EXPECT_EQ(form.editGate(), 0);
    EXPECT_EQ(form.descriptionBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(Form1Layout, StorageIsStateNotVisibleControls) {
    form.show();
    for (const char* name : {"Text00", "Text01", "File1", "Check1"}) {
        const QWidget* w = child(name);
        EXPECT_TRUE(w == nullptr || !w->isVisible()) << name;
    }
    EXPECT_EQ(GetLine(form.itemBuffer(), 0), QStringLiteral("Text00"));
    EXPECT_EQ(form.itemBuffer().lineCount(), 2);
    EXPECT_EQ(GetLine(form.nameBuffer(), 0), QStringLiteral("Text01"));
    EXPECT_EQ(QDir(form.pictureFolder()), QDir::current());
    EXPECT_EQ(QDir(form.gameFolder()), QDir::current());
}

} // namespace
} // namespace wed
