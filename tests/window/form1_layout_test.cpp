#include "base/category.h"
#include "data/item_fields.h"
#include "support/qt_printers.h"
#include "window/form1.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
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

TEST_F(Form1Layout, IsAFixedDialogWithoutMinimizeOrMaximize) {
    EXPECT_EQ(form.size(), QSize(750, 645));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowTitle().contains(QStringLiteral("v1.31")));
    EXPECT_FALSE(form.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// Geometry written down by hand in twips, independent of the field tables the window reads.
TEST_F(Form1Layout, ControlsStandAtTheirTwipsDividedByFifteen) {
    const struct {
        const char* name;
        QRect rect;
    } regions[] = {
        {"List1", pixels(120, 1005, 2295, 8520)},  {"Frame3", pixels(2520, 960, 5775, 8655)},
        {"Frame4", pixels(2520, 960, 5775, 8535)}, {"Dir1", pixels(8400, 1320, 2700, 2190)},
        {"File2", pixels(8400, 3960, 1380, 810)},  {"Option2", pixels(0, 480, 1335, 375)},
        {"Pic1", pixels(8400, 4800, 2700, 2700)},  {"Text28", pixels(8280, 7920, 2895, 1575)},
        {"Frame2", pixels(0, 5640, 5655, 2895)},   {"Text2", pixels(2160, 120, 975, 375)},
        {"Combo2", pixels(2160, 3720, 3495, 300)}, {"Text12", pixels(4560, 2400, 975, 375)},
        {"Text27", pixels(4200, 7680, 1400, 600)}, {"Label39", pixels(240, 5760, 4000, 800)},
    };
    for (const auto& r : regions) {
        QWidget* w = child(r.name);
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->geometry(), r.rect) << r.name;
    }
    EXPECT_EQ(child("Option1")->parentWidget(), child("Frame1"));
    EXPECT_EQ(child("Text12")->parentWidget(), child("Frame2"));
    EXPECT_EQ(child("Frame2")->parentWidget(), child("Frame3"));
    EXPECT_EQ(child("Command1")->parentWidget(), child("Frame5"));
}

// Every field of the three panels exists under its own name, labelled and wired to its table entry.
TEST_F(Form1Layout, EveryFieldAndLabelExistsInItsPanel) {
    int fields = 0;
    for (const Category& c : categories()) {
        for (const FieldSpec& f : categoryFields(c.id).fields) {
            SCOPED_TRACE(f.control);
            QWidget* field = child(f.control);
            auto* label = child<QLabel>(f.label);
            ASSERT_NE(field, nullptr);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(field->parentWidget(), child(f.container));
            EXPECT_EQ(form.fieldWidget(f.control), field);
            ++fields;
        }
    }
    EXPECT_EQ(fields, 20 + 9 + 8);
    EXPECT_EQ(child("Text15")->toolTip(), QStringLiteral("减一为大图"));
    EXPECT_EQ(child("Combo1")->accessibleName(), QStringLiteral("该武器类别"));
}

TEST_F(Form1Layout, ChoiceBoxesHoldTheirListsAndStartEmpty) {
    const std::pair<const char*, int> sizes[] = {{"Combo1", 6}, {"Combo2", 10}, {"Combo3", 23}};
    for (const auto& [name, count] : sizes) {
        auto* combo = form.comboBox(name);
        ASSERT_NE(combo, nullptr) << name;
        EXPECT_TRUE(combo->isEditable()) << name;
        EXPECT_EQ(combo->count(), count) << name;
        EXPECT_TRUE(combo->currentText().isEmpty()) << name;
    }
    QComboBox* category = form.categoryBox();
    ASSERT_EQ(category->count(), 3);
    EXPECT_EQ(category->itemText(2), QStringLiteral("晶体"));
    EXPECT_EQ(category->currentText(), QStringLiteral("武器"));
}

TEST_F(Form1Layout, FontsFollowTheirPanels) {
    auto points = [&](const char* name) { return child(name)->font().pointSizeF(); };
    EXPECT_EQ(child("Label1")->font().family(), QStringLiteral("宋体"));
    EXPECT_DOUBLE_EQ(points("Label12"), 15.75); // a weapon label inside the pair frame
    EXPECT_DOUBLE_EQ(points("Text19"), 21.75);
    // Fields of the pair frame keep the default font, not the frame caption's size.
    EXPECT_DOUBLE_EQ(points("Frame2"), 15.0);
    EXPECT_EQ(points("Text3"), form.font().pointSizeF());
}

TEST_F(Form1Layout, StartsOnTheWeaponPanelWithAnEmptyListAndAClosedGate) {
    form.show();
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Frame4")->isVisible());
    EXPECT_FALSE(child("Frame5")->isVisible());
    for (const char* name : {"Text00", "Text01", "File1", "Check1"}) {
        const QWidget* w = child(name);
        EXPECT_TRUE(w == nullptr || !w->isVisible()) << name;
    }
    EXPECT_EQ(form.itemList()->count(), 0);
    EXPECT_FALSE(form.itemList()->isSortingEnabled());
    EXPECT_TRUE(form.option1()->isChecked());
    EXPECT_EQ(form.editGate(), 0);
    EXPECT_EQ(GetLine(form.itemBuffer(), 0), QStringLiteral("Text00"));
    EXPECT_EQ(GetLine(form.nameBuffer(), 0), QStringLiteral("Text01"));
    EXPECT_EQ(QDir(form.pictureFolder()), QDir::current());
    EXPECT_EQ(QDir(form.gameFolder()), QDir::current());
    EXPECT_EQ(form.descriptionBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

} // namespace
} // namespace wed
