#include "edit/field_edit.h"

#include "edit_files.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

// Two armor records; the first one's price is on line 3.
const QByteArray kArmors("Armor=1\r\nHp=40\r\nCost=100\r\n;**************************\r\n"
                         "Armor=2\r\nCost=200\r\n;**************************\r\n");

class FieldEdit : public testing::Test {
  protected:
    EditOutcome edit(const char* control, const QString& text, int line, bool gate = true) {
        return editFieldLine(gate, *fieldByControl(QString::fromLatin1(control)), text, line,
                             folder.path(), items);
    }
    ItemFileFolder folder{kArmors};
    LineBuffer items{kArmors};
};

TEST_F(FieldEdit, ClosedGateMissingLineNumberAndRefusalsWriteNothing) {
    EXPECT_EQ(edit("Text19", "5", 3, false).status, EditStatus::Ignored);
    EXPECT_EQ(edit("Text19", "5", 0).status, EditStatus::Ignored);
    EXPECT_EQ(edit("Text19", "5", -1).status, EditStatus::Ignored);
    const EditOutcome emoji = edit("Text20", QString::fromUtf8("\xF0\x9F\x92\xA3"), 2);
    EXPECT_EQ(emoji.status, EditStatus::Refused);
    EXPECT_FALSE(emoji.message.isEmpty());
    const EditOutcome pastTheEnd = edit("Text19", "7", 99);
    EXPECT_EQ(pastTheEnd.status, EditStatus::Refused);
    EXPECT_FALSE(pastTheEnd.message.isEmpty());
    EXPECT_FALSE(pastTheEnd.reloadNeeded());
    EXPECT_EQ(folder.read(), kArmors);
    EXPECT_EQ(items.bytes(), kArmors);
}

TEST_F(FieldEdit, RefusedClassLeavesTheLastAcceptedValue) {
    folder.write("Weapon=9\r\nClass=3\r\n");
    items = LineBuffer(folder.read());
    EXPECT_EQ(edit("Combo1", "1", 2).status, EditStatus::Written);
    const EditOutcome refused = edit("Combo1", "10", 2);
    EXPECT_EQ(refused.status, EditStatus::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("数据错误！"));
    EXPECT_EQ(folder.read(), "Weapon=9\r\nClass=1\r\n");
}

} // namespace
} // namespace wed
