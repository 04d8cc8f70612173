#include "edit/field_edit.h"

#include "edit_files.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

using test::ItemFileFolder;

const FieldSpec& field(const char* control) {
    return *fieldByControl(QString::fromLatin1(control));
}

// Two armor records; the first one's price is on line 3.
const QByteArray kArmors("Armor=1\r\n"
                         "Hp=40\r\n"
                         "Cost=100\r\n"
                         ";**************************\r\n"
                         "Armor=2\r\n"
                         "Cost=200\r\n"
                         ";**************************\r\n");

TEST(FieldEdit, TypingAnArmorPriceWritesEveryKeystrokeOnTheRecordedLine) {
    ItemFileFolder folder(kArmors);
    LineBuffer items(folder.read());
    for (const char* typed : {"1", "15", "150", "1500"}) {
        const EditOutcome outcome = editFieldLine(true, field("Text19"), QString::fromLatin1(typed),
                                                  3, folder.path(), items);
        ASSERT_EQ(outcome.status, EditStatus::Written) << typed;
        EXPECT_EQ(GetLine(items, 2), QStringLiteral("Cost=") + QString::fromLatin1(typed));
    }
    EXPECT_EQ(folder.read(), QByteArray(kArmors).replace("Cost=100", "Cost=1500"));
    EXPECT_EQ(items.bytes(), folder.read());
}

TEST(FieldEdit, ClosedGateOrMissingLineNumberWritesNothing) {
    ItemFileFolder folder(kArmors);
    LineBuffer items(folder.read());
    EXPECT_EQ(editFieldLine(false, field("Text19"), u"5", 3, folder.path(), items).status,
              EditStatus::Ignored);
    EXPECT_EQ(editFieldLine(true, field("Text19"), u"5", 0, folder.path(), items).status,
              EditStatus::Ignored);
    EXPECT_EQ(editFieldLine(true, field("Text19"), u"5", -1, folder.path(), items).status,
              EditStatus::Ignored);
    EXPECT_EQ(folder.read(), kArmors);
    EXPECT_EQ(items.bytes(), kArmors);
}

TEST(FieldEdit, RefusedClassLeavesTheLastAcceptedValue) {
    ItemFileFolder folder("Weapon=9\r\nClass=3\r\n");
    LineBuffer items(folder.read());
    EXPECT_EQ(editFieldLine(true, field("Combo1"), u"1", 2, folder.path(), items).status,
              EditStatus::Written);
    const EditOutcome refused =
        editFieldLine(true, field("Combo1"), u"10", 2, folder.path(), items);
    EXPECT_EQ(refused.status, EditStatus::Refused);
    EXPECT_EQ(refused.message, QStringLiteral("数据错误！"));
    EXPECT_EQ(folder.read(), "Weapon=9\r\nClass=1\r\n");
    EXPECT_EQ(items.bytes(), folder.read());
}

TEST(FieldEdit, UnencodableTextIsRefusedWithAMessage) {
    ItemFileFolder folder(kArmors);
    LineBuffer items(folder.read());
    const EditOutcome outcome = editFieldLine(
        true, field("Text20"), QString::fromUtf8("\xF0\x9F\x92\xA3"), 2, folder.path(), items);
    EXPECT_EQ(outcome.status, EditStatus::Refused);
    EXPECT_FALSE(outcome.message.isEmpty());
    EXPECT_EQ(folder.read(), kArmors);
}

TEST(FieldEdit, ExternalChangeAsksForAReloadAndOverwritesNothing) {
    ItemFileFolder folder(kArmors);
    LineBuffer items(folder.read());
    const QByteArray theirs = QByteArray(kArmors).replace("Cost=200", "Cost=250");
    folder.write(theirs);
    const EditOutcome outcome = editFieldLine(true, field("Text19"), u"7", 3, folder.path(), items);
    EXPECT_EQ(outcome.status, EditStatus::ExternalChange);
    EXPECT_TRUE(outcome.reloadNeeded());
    EXPECT_FALSE(outcome.message.isEmpty());
    EXPECT_EQ(folder.read(), theirs);
}

TEST(FieldEdit, FileErrorsAreRefusalsWithTheirMessage) {
    ItemFileFolder folder(kArmors);
    LineBuffer items(folder.read());
    const EditOutcome pastTheEnd =
        editFieldLine(true, field("Text19"), u"7", 99, folder.path(), items);
    EXPECT_EQ(pastTheEnd.status, EditStatus::Refused);
    EXPECT_FALSE(pastTheEnd.message.isEmpty());
    EXPECT_FALSE(pastTheEnd.reloadNeeded());
    const EditOutcome missing =
        editFieldLine(true, field("Text19"), u"7", 3, folder.folder() + "/gone.cfg", items);
    EXPECT_EQ(missing.status, EditStatus::Refused);
    EXPECT_EQ(folder.read(), kArmors);
}

} // namespace
} // namespace wed
