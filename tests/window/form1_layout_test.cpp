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

TEST_F(Form1Layout, StartsOnTheWeaponPanelWithAnEmptyListAndAClosedGate) {
    form.show();
    EXPECT_TRUE(child("Frame3")->isVisible());
    EXPECT_FALSE(child("Frame4")->isVisible());
    EXPECT_FALSE(child("Frame5")->isVisible());
    EXPECT_EQ(form.itemList()->count(), 0);
    EXPECT_FALSE(form.itemList()->isSortingEnabled());
    EXPECT_TRUE(form.option1()->isChecked());
    EXPECT_EQ(form.document().gateOpen(), false);
    EXPECT_EQ(GetLine(form.document().items(), 0), QStringLiteral("Text00"));
    EXPECT_EQ(GetLine(form.document().names(), 0), QStringLiteral("Text01"));
    EXPECT_EQ(QDir(form.gameFolder()), QDir::current());
    EXPECT_EQ(form.descriptionBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

} // namespace
} // namespace wed
