#include "document_fixture.h"
#include "support/file_size_limit.h"

namespace wed::test {
namespace {

const QString kEnd = QStringLiteral(";**************************");

// Two records share the id "twin"; "open" has no end line; a weapon and an armor share "gun";
// the armor "bare" has no name record.
const QStringList kItems{"Weapon=gun", "Cost=700",    kEnd,     "Weapon=twin", "Cost=1",
                         kEnd,         "Weapon=twin", "Cost=2", kEnd,          "Weapon=open",
                         "Cost=5",     "Armor=gun",   "Hp=80",  kEnd,          "Armor=bare",
                         "Hp=1",       kEnd,          ""};
const QStringList kGunRecord{
    "<gun>", "x", "名称：      机关枪", "名称：      防弹衣", "4", "5", "6", "7", "说明一", ""};
// The record of "open" ends the file without an empty line or a line end.
const QStringList kNames =
    kGunRecord + QStringList{"<twin>", "x", "名称：      双子", "",  "<spare>",
                             "x",      "",  "<open>",           "x", "名称：      开放"};

// The lines with `insert` put in at index `at` (and `remove` lines taken out there first).
QStringList edited(QStringList lines, qsizetype at, QStringList insert, qsizetype remove = 0) {
    lines.remove(at, remove);
    for (qsizetype i = 0; i < insert.size(); ++i)
        lines.insert(at + i, insert[i]);
    return lines;
}

class ItemActions : public DocumentFixture {
  protected:
    void SetUp() override {
        game.writeItems(kItems);
        game.writeNames(kNames);
        open();
    }
    ItemRef weapon(int row) const { return item(CategoryId::Weapon, row); }
    QByteArray names() const { return game.readFile(QStringLiteral("Text/Weapon.txt")); }
    void expectFiles(const QStringList& items, const QStringList& names) {
        EXPECT_EQ(this->items(), ansiLines(items));
        EXPECT_EQ(this->names(), ansiLines(names));
        EXPECT_EQ(document.game().items().bytes(), ansiLines(items));
        EXPECT_EQ(document.game().names().bytes(), ansiLines(names));
    }
    // Undoes the last step and redoes it: both files are exactly as before, then as after.
    void expectUndoRedo() {
        const QByteArray itemsAfter = items(), namesAfter = names();
        ASSERT_TRUE(document.undo().done());
        EXPECT_EQ(items(), ansiLines(kItems));
        EXPECT_EQ(names(), ansiLines(kNames));
        ASSERT_TRUE(document.redo().done());
        EXPECT_EQ(items(), itemsAfter);
        EXPECT_EQ(names(), namesAfter);
    }
};

TEST_F(ItemActions, CopyGoesRightAfterTheKthRecordWithItsNameRecordAndIsShown) {
    QSignalSpy shownAt(&document, &Document::stepShown);
    ASSERT_TRUE(document.copyItem(weapon(0), QStringLiteral("gun2")).done());
    expectFiles(edited(kItems, 3, {"Weapon=gun2", "Cost=700", kEnd}),
                edited(kNames, 10, QStringList{"<gun2>"} + kGunRecord.mid(1)));
    EXPECT_EQ(listed(CategoryId::Weapon), (QStringList{"gun", "gun2", "twin", "twin", "open"}));
    ASSERT_EQ(shownAt.count(), 1);
    EXPECT_EQ(shownAt.last().at(0).value<StepPlace>().item, weapon(1));
    expectUndoRedo();
    ASSERT_TRUE(type(weapon(1), "Cost", "701").done()); // at the copy's own line
    EXPECT_EQ(items(), ansiLines(edited(kItems, 3, {"Weapon=gun2", "Cost=701", kEnd})));
    ASSERT_TRUE(document.moveHistoryTo(0).done());

    // The second of two equal ids is the second record; a record without an end line ends at
    // the next header; a name record that ends the file gets an empty line before its copy.
    ASSERT_TRUE(document.copyItem(weapon(2), QStringLiteral("twin3")).done());
    EXPECT_EQ(items(), ansiLines(edited(kItems, 9, {"Weapon=twin3", "Cost=2", kEnd})));
    ASSERT_TRUE(document.undo().done());
    ASSERT_TRUE(document.copyItem(weapon(3), QStringLiteral("open2")).done());
    expectFiles(edited(kItems, 11, {"Weapon=open2", "Cost=5"}),
                kNames + QStringList{"", "<open2>", "x", "名称：      开放"});
    expectUndoRedo();
}

TEST_F(ItemActions, ANameRecordAnotherItemUsesIsSharedNotCopiedOrRemoved) {
    // The armor "gun" still uses the name record when the weapon goes.
    ASSERT_TRUE(document.removeItem(weapon(0)).done());
    expectFiles(kItems.mid(3), kNames);
    expectUndoRedo();
    ASSERT_TRUE(document.removeItem(item(CategoryId::Armor, 0)).done());
    expectFiles(edited(kItems.mid(3), 8, {}, 3), kNames.mid(10));

    // A new id that already has a name record shares it.
    EXPECT_EQ(document.copyItem(weapon(0), QStringLiteral("spare")).status,
              Status::NameRecordShared);
    EXPECT_EQ(names(), ansiLines(kNames.mid(10)));
}

TEST_F(ItemActions, RenameMovesTheNameRecordOrCopiesItWhileTheOldIdIsInUse) {
    ASSERT_TRUE(document.renameItem(weapon(3), QStringLiteral("opened")).done());
    expectFiles(edited(kItems, 9, {"Weapon=opened"}, 1), edited(kNames, 17, {"<opened>"}, 1));
    EXPECT_EQ(listed(CategoryId::Weapon), (QStringList{"gun", "twin", "twin", "opened"}));
    expectUndoRedo();
    ASSERT_TRUE(document.undo().done());

    // The second "twin" keeps the name record; the renamed one gets a copy.
    ASSERT_TRUE(document.renameItem(weapon(1), QStringLiteral("twinA")).done());
    expectFiles(edited(kItems, 3, {"Weapon=twinA"}, 1),
                edited(kNames, 14, {"<twinA>", "x", "名称：      双子", ""}));
    expectUndoRedo();
}

TEST_F(ItemActions, NameAndDescriptionKeepTheNineCharacterLeadAndFillShortRecords) {
    const std::optional<NameRecordText> gun = nameRecordText(document.game(), weapon(0));
    ASSERT_TRUE(gun.has_value());
    EXPECT_EQ(gun->name, QStringLiteral("机关枪"));
    EXPECT_EQ(gun->description, QStringList{QStringLiteral("说明一")});
    ASSERT_TRUE(document.setNameRecordText(weapon(0), {"新枪", {"第一行", "第二行"}}).done());
    expectFiles(kItems, edited(kNames, 2, {"名称：      新枪"}, 1).mid(0, 8) +
                            QStringList{"第一行", "第二行"} + kNames.mid(9));
    expectUndoRedo();
    ASSERT_TRUE(document.undo().done());

    // The twin's record is too short for a description; its name line is short of the lead.
    ASSERT_TRUE(document.setNameRecordText(weapon(1), {"甲", {"乙"}}).done());
    expectFiles(kItems,
                edited(kNames, 11, {"x", "名称：      甲", " ", " ", " ", " ", " ", "乙"}, 2));
}

TEST_F(ItemActions, RefusedIdsAndNamesWriteNothing) {
    const std::pair<QString, Status> ids[] = {
        {"", Status::IdEmpty},
        {" a", Status::IdBlankEdge},
        {"a\nb", Status::IdLineBreak},
        {"twin", Status::IdTaken},
        {"ImplantSkillsCost", Status::IdReserved},
        {"한", Status::Unencodable},
        {"a\x18", Status::ControlCharacter},
    };
    for (const auto& [id, status] : ids) {
        EXPECT_EQ(document.copyItem(weapon(0), id).status, status) << id.toStdString();
        EXPECT_EQ(document.renameItem(weapon(0), id).status, status) << id.toStdString();
    }
    EXPECT_EQ(document.setNameRecordText(weapon(0), {"a\rb", {}}).status, Status::LineBreakInValue);
    EXPECT_EQ(document.setNameRecordText(weapon(0), {"a", {"b", ""}}).status,
              Status::EmptyDescriptionLine);
    EXPECT_EQ(document.setNameRecordText(weapon(0), {"한", {}}).status, Status::Unencodable);
    EXPECT_EQ(document.setNameRecordText(weapon(0), {"a", {"b\x7f"}}).status,
              Status::ControlCharacter);
    EXPECT_EQ(document.setNameRecordText(item(CategoryId::Armor, 1), {"a", {}}).status,
              Status::NoNameRecord);
    EXPECT_EQ(document.history().count(), 0);
    expectFiles(kItems, kNames);
}

TEST_F(ItemActions, WhenTheNameFileCannotBeSavedWeaponCfgGetsItsBytesBack) {
#ifndef WED_HAS_FILE_SIZE_LIMIT
    GTEST_SKIP() << "no file size limit to make a save fail on this system";
#else
    // The name file's new bytes pass a size that weapon.cfg's stay under, as on a disk that
    // fills up between the two saves.
    game.writeNames(kNames + QStringList(40, QString(100, u'x')));
    open();
    const QByteArray names = this->names();
    Outcome outcome;
    {
        FileSizeLimit limit(rlim_t(names.size()) + 10);
        outcome = document.copyItem(weapon(0), QStringLiteral("gun2"));
    }
    EXPECT_EQ(outcome.effect, Effect::FirstRestored);
    EXPECT_EQ(items(), ansiLines(kItems));
    EXPECT_EQ(this->names(), names);
    EXPECT_EQ(document.history().count(), 0);
    EXPECT_TRUE(document.copyItem(weapon(0), QStringLiteral("gun2")).done());
#endif
}

} // namespace
} // namespace wed::test
