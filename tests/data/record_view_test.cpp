#include "data/record_view.h"

#include "base/code_page.h"
#include "data/item_fields.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace wed {
namespace {

LineBuffer bufferOf(const QStringList& lines) {
    return LineBuffer(*encodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

// A record as shown: the hit of each field by the object name of its control.
struct View {
    ItemRecord record;
    CategoryId category;
    KeyHit operator[](const char* control) const {
        const auto& fields = categoryFields(category).fields;
        for (size_t i = 0; i < fields.size(); ++i)
            if (qstrcmp(fields[i].control, control) == 0)
                return record.fields.at(i);
        ADD_FAILURE() << "no field " << control;
        return {};
    }
};

View view(const LineBuffer& items, CategoryId category, const QString& id, int occurrence = 0) {
    return {readItemRecord(items, category, id, occurrence), category};
}

const QString kSeparator = QString::fromLatin1(kRecordSeparator);

ItemText readItemText(const LineBuffer& names, CategoryId category, const QString& id) {
    NameIndex index;
    index.rebuild(names);
    return wed::readItemText(names, index, category, id);
}

TEST(WeaponRecord, FillsEveryFieldWithItsValueAndLineNumber) {
    const LineBuffer items = bufferOf(
        QStringLiteral(";comment|Weapon=gun|Add_level=2|Damage=10 20|Reload=5 30|Cost=700|Size=2 3|"
                       "Level=1|DeathPush=3|DamageRadius=0|Clip=12|AimRange=4|BulletCount=1 1|"
                       "Explosive=5|VidGRND=77|VidMENU=12340005|TypeAnimationTors=2|ShellVid=9|"
                       "ShotWAV=14|Class=1|AmmoName=Ammo_pistol|VIDBullet=800|Weight=3")
            .split(u'|') +
        QStringList{kSeparator});
    const View record = view(items, CategoryId::Weapon, "gun");
    ASSERT_EQ(record.record.fields.size(), 20u);
    EXPECT_EQ(record["Text2"].value, "2");
    EXPECT_EQ(record["Text2"].lineNumber, 3);
    EXPECT_EQ(record["Text3"].value, "10 20");
    EXPECT_EQ(record["Text9"].value, "0");
    EXPECT_EQ(record["Text15"].value, "12340005");
    EXPECT_EQ(record["Combo2"].value, "Ammo_pistol");
    EXPECT_EQ(record["Combo3"].lineNumber, 22);
    for (const KeyHit& h : record.record.fields)
        EXPECT_GT(h.lineNumber, 0);
}

TEST(WeaponRecord, MissingKeyHasNoLineNumberAndLongValuesShowWhole) {
    const QString longDamage(40, u'7');
    const QString longPose = QStringLiteral("pose_with_a_long_name_01");
    const LineBuffer items = bufferOf(
        {"Weapon=gun", "Damage=" + longDamage, "TypeAnimationTors=" + longPose, kSeparator});
    const View record = view(items, CategoryId::Weapon, "gun");
    EXPECT_EQ(record["Text10"].lineNumber, 0);
    EXPECT_EQ(record["Text10"].value, QString());
    EXPECT_EQ(record["Text3"].value, longDamage);
    EXPECT_EQ(record["Text16"].value, longPose);
}

TEST(WeaponRecord, KeysAreRecognisedByTheirWholeLiteral) {
    // "CostXYZ=" and "Damage =" belong to other keys; the real lines come later.
    const LineBuffer items = bufferOf({"Weapon=gun", "CostXYZ=5", "DamageRadius=9", "Cost=300",
                                       "Damage =1", "Levels=4", kSeparator});
    const View record = view(items, CategoryId::Weapon, "gun");
    EXPECT_EQ(record["Text5"].value, "300");
    EXPECT_EQ(record["Text5"].lineNumber, 4);
    EXPECT_EQ(record["Text3"].lineNumber, 0);
    EXPECT_EQ(record["Text9"].value, "9");
    EXPECT_EQ(record["Text7"].lineNumber, 0);
}

TEST(WeaponRecord, EndsAtTheExactSeparatorOrTheNextHeaderOnly) {
    const QString stars25 = ";" + QString(25, u'*');
    const QString stars27 = ";" + QString(27, u'*');
    const LineBuffer items =
        bufferOf({"Weapon=gun", "Cost=1", stars25, "Clip=5", stars27, "Level=2", ";**", "Size=1 1",
                  "Armor=vest", "Explosive=3", kSeparator, "Weapon=next", "Hp=1"});
    const View record = view(items, CategoryId::Weapon, "gun");
    EXPECT_EQ(record["Text10"].value, "5");
    EXPECT_EQ(record["Text7"].value, "2");
    EXPECT_EQ(record["Text6"].value, "1 1");
    // The armor header ends the record although its end line is missing.
    EXPECT_EQ(record["Text13"].lineNumber, 0);
}

TEST(WeaponRecord, TheKthEqualEntryShowsTheKthRecordAndUnknownIdsShowNothing) {
    const LineBuffer items =
        bufferOf({"Weapon=twin", "Cost=1", kSeparator, "Weapon=twin", "Cost=2", kSeparator});
    EXPECT_EQ(view(items, CategoryId::Weapon, "twin", 0)["Text5"].value, "1");
    EXPECT_EQ(view(items, CategoryId::Weapon, "twin", 1)["Text5"].lineNumber, 5);
    for (const KeyHit& h : readItemRecord(items, CategoryId::Weapon, "twin", 2).fields)
        EXPECT_EQ(h.lineNumber, 0);
    for (const KeyHit& h : readItemRecord(items, CategoryId::Weapon, "twi").fields)
        EXPECT_EQ(h.lineNumber, 0);
}

TEST(WeaponRecord, FindsRecordsPastTheOldScanLimit) {
    const QStringList lines = QStringList(5000, QStringLiteral(";filler")) +
                              QStringList{"Weapon=far", "Clip=30", kSeparator};
    const KeyHit clip = view(bufferOf(lines), CategoryId::Weapon, "far")["Text10"];
    EXPECT_EQ(clip.value, "30");
    EXPECT_EQ(clip.lineNumber, 5002);
}

TEST(ArmorRecord, TakesHpOnlyWithItsEqualsSignAndChineseValuesWhole) {
    const LineBuffer items =
        bufferOf({"Armor=vest", "Hp 5", "Hp=80", "Defence=30",
                  "TypeAnimationArmor=盔甲_重型_第二版本_加长名字", kSeparator});
    const View record = view(items, CategoryId::Armor, "vest");
    EXPECT_EQ(record["Text20"].value, "80");
    EXPECT_EQ(record["Text20"].lineNumber, 3);
    EXPECT_EQ(record["Text25"].value, QStringLiteral("盔甲_重型_第二版本_加长名字"));
}

TEST(ImplantRecord, EndsAtAnyLineBeginningWithSemicolonStars) {
    const LineBuffer items =
        bufferOf({"Implant=chip", "Cost=50", "MinMax=1 30", ";**", "NumSkill=2", kSeparator});
    const View record = view(items, CategoryId::Implant, "chip");
    EXPECT_EQ(record["Text32"].value, "50");
    EXPECT_EQ(record["Text37"].value, "1 30");
    EXPECT_EQ(record["Text35"].lineNumber, 0);
}

TEST(ItemText, NameAndDescriptionLinesFollowTheCategoryLayout) {
    QStringList lines{"<thing>"};
    for (int i = 1; i <= 9; ++i)
        lines << QStringLiteral("第%1行：     名字%1").arg(i);
    lines << ""
          << "<other>";
    const LineBuffer names = bufferOf(lines);
    const auto descriptionFrom = [&](int line) {
        QString text;
        for (int i = line; i <= 9; ++i)
            text += lines[i] + QStringLiteral("\r\n");
        return text;
    };
    const ItemText weapon = readItemText(names, CategoryId::Weapon, "thing");
    EXPECT_EQ(weapon.name, QStringLiteral("名字2"));
    EXPECT_EQ(weapon.description, descriptionFrom(8));
    const ItemText armor = readItemText(names, CategoryId::Armor, "thing");
    EXPECT_EQ(armor.name, QStringLiteral("名字3"));
    EXPECT_EQ(armor.description, descriptionFrom(6));
    const ItemText implant = readItemText(names, CategoryId::Implant, "thing");
    EXPECT_EQ(implant.name, QStringLiteral("名字2"));
    EXPECT_EQ(implant.description, descriptionFrom(7));
}

TEST(ItemText, ShortNameLinesLongLinesAndMissingRecords) {
    const QString longLine(120, u'描');
    const LineBuffer names =
        bufferOf({"<short>", "x", "y", "123456789", "", "<long>", "1", "123456789" + longLine, "3",
                  "4", "5", longLine, "", "<empty>", "", "line", "name line here"});
    // A name line of nine characters or fewer gives an empty name, not a kept one.
    EXPECT_EQ(readItemText(names, CategoryId::Armor, "short").name, QString());
    EXPECT_EQ(readItemText(names, CategoryId::Weapon, "short").name, QString());
    EXPECT_EQ(readItemText(names, CategoryId::Weapon, "long").name, longLine.left(100));
    EXPECT_EQ(readItemText(names, CategoryId::Armor, "long").description,
              longLine.left(100) + "\r\n");
    // An armor record of two lines has no name line: the name box keeps what it showed.
    EXPECT_FALSE(
        readItemText(bufferOf({"<two>", "a", "b", ""}), CategoryId::Armor, "two").name.has_value());
    for (const char* id : {"absent", "empty"}) { // no record, or one whose first line is empty
        const ItemText missing = readItemText(names, CategoryId::Weapon, id);
        EXPECT_FALSE(missing.name.has_value()) << id;
        EXPECT_EQ(missing.description, QString()) << id;
    }
}

// The index finds the first "<id>" line of every id by its text, ASCII or not, among many.
TEST(NameIndex, FindsTheFirstOpeningOfEveryIdByItsText) {
    QStringList lines{"<dup>", "<武器一>", "<dup>", "< dup>", "<武器一>", "x<a>", "<>"};
    for (int i = 0; i < 600; ++i)
        lines << QStringLiteral("<id%1>").arg(i);
    const LineBuffer names = bufferOf(lines);
    NameIndex index;
    index.rebuild(names);
    EXPECT_EQ(index.opening(names, u"dup"), 0);
    EXPECT_EQ(index.opening(names, u"武器一"), 1);
    EXPECT_EQ(index.opening(names, u" dup"), 3);
    EXPECT_EQ(index.opening(names, u""), 6);
    for (const char16_t* absent : {u"a", u"dup ", u"武器", u"id600"})
        EXPECT_EQ(index.opening(names, absent), -1);
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(index.opening(names, QStringLiteral("id%1").arg(i)), 7 + i);
}

} // namespace
} // namespace wed
