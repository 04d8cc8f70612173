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

const QString kSeparator = QString::fromLatin1(kRecordSeparator);

ItemText readItemText(const LineBuffer& names, CategoryId category, const QString& id) {
    NameIndex index;
    index.rebuild(names);
    return wed::readItemText(names, index, category, id);
}

// Expects the fields of the occurrence-th record of the id to be as `expected` says: each
// "key=value@line" (line 0: the record lacks the key), '|' between them.
void expectFields(CategoryId category, const QString& id, int occurrence, const QStringList& lines,
                  const QString& expected) {
    const ItemRecord record = readItemRecord(bufferOf(lines), category, id, occurrence);
    QStringList found;
    for (const QString& field : expected.split(u'|')) {
        const QString key = field.section(u'=', 0, 0);
        const size_t i = size_t(fieldOfKey(category, key));
        const KeyHit hit = i < record.fields.size() ? record.fields[i] : KeyHit{};
        found << QStringLiteral("%1=%2@%3").arg(key, hit.value).arg(hit.lineNumber);
    }
    EXPECT_EQ(found.join(u'|'), expected) << id.toStdString() << " #" << occurrence;
}

TEST(ItemRecord, FieldsTakeTheLinesOfTheirWholeKeyInsideTheRecordOnly) {
    // "CostXYZ=", "Damage =" and "Levels=" belong to other keys; long values show whole.
    const QString longDamage(40, u'7');
    expectFields(CategoryId::Weapon, "gun", 0,
                 {"Weapon=gun", "CostXYZ=5", "DamageRadius=9", "Cost=300", "Damage =1", "Levels=4",
                  "Damage=" + longDamage, "TypeAnimationTors=pose_with_a_long_name_01", kSeparator},
                 "Cost=300@4|DamageRadius=9@3|Level=@0|Clip=@0|Damage=" + longDamage +
                     "@7|TypeAnimationTors=pose_with_a_long_name_01@8");
    // Only the exact separator ends a weapon, or the next header of any category.
    expectFields(CategoryId::Weapon, "gun", 0,
                 {"Weapon=gun", "Cost=1", ";" + QString(25, u'*'), "Clip=5",
                  ";" + QString(27, u'*'), "Level=2", ";**", "Size=1 1", "Armor=vest",
                  "Explosive=3", kSeparator},
                 "Clip=5@4|Level=2@6|Size=1 1@8|Explosive=@0");
    // The k-th equal id is the k-th record; unknown ids and occurrences show nothing.
    const QStringList twins{"Weapon=twin", "Cost=1", kSeparator,
                            "Weapon=twin", "Cost=2", kSeparator};
    expectFields(CategoryId::Weapon, "twin", 1, twins, "Cost=2@5");
    expectFields(CategoryId::Weapon, "twin", 2, twins, "Cost=@0");
    expectFields(CategoryId::Weapon, "twi", 0, twins, "Cost=@0");
    expectFields(CategoryId::Weapon, "far", 0,
                 QStringList(5000, ";filler") + QStringList{"Weapon=far", "Clip=30", kSeparator},
                 "Clip=30@5002"); // past the old scan limit
    expectFields(CategoryId::Armor, "vest", 0,
                 {"Armor=vest", "Hp 5", "Hp=80", "TypeAnimationArmor=盔甲_重型_第二版本_加长名字",
                  kSeparator},
                 "Hp=80@3|TypeAnimationArmor=盔甲_重型_第二版本_加长名字@4");
    // An implant ends at any line beginning with ";**".
    expectFields(CategoryId::Implant, "chip", 0,
                 {"Implant=chip", "Cost=50", "MinMax=1 30", ";**", "NumSkill=2", kSeparator},
                 "Cost=50@2|MinMax=1 30@3|NumSkill=@0");
}

TEST(ItemText, NameAndDescriptionLinesFollowTheCategoryLayout) {
    QStringList lines{"<thing>"};
    for (int i = 1; i <= 9; ++i)
        lines << QStringLiteral("第%1行：     名字%1").arg(i);
    const LineBuffer names = bufferOf(lines + QStringList{"", "<other>"});
    const std::tuple<CategoryId, int, int> layouts[] = {
        {CategoryId::Weapon, 2, 8}, {CategoryId::Armor, 3, 6}, {CategoryId::Implant, 2, 7}};
    for (const auto& [category, nameLine, descriptionLine] : layouts) {
        const ItemText text = readItemText(names, category, "thing");
        EXPECT_EQ(text.name, QStringLiteral("名字%1").arg(nameLine));
        EXPECT_EQ(text.description, lines.mid(descriptionLine).join("\r\n") + "\r\n");
    }
}

TEST(ItemText, ShortNameLinesLongLinesAndMissingRecords) {
    const QString longLine(120, u'描');
    const LineBuffer names =
        bufferOf({"<short>", "x", "y", "123456789", "", "<long>", "1", "123456789" + longLine, "3",
                  "4", "5", longLine, "", "<empty>", "", "line", "name line here"});
    // A name line of nine characters or fewer gives an empty name, not a kept one.
    EXPECT_EQ(readItemText(names, CategoryId::Armor, "short").name, QString());
    EXPECT_EQ(readItemText(names, CategoryId::Weapon, "long").name, longLine.left(100));
    EXPECT_EQ(readItemText(names, CategoryId::Armor, "long").description,
              longLine.left(100) + "\r\n");
    // An armor record of two lines has no name line: the name box keeps what it showed.
    EXPECT_FALSE(
        readItemText(bufferOf({"<two>", "a", "b", ""}), CategoryId::Armor, "two").name.has_value());
    for (const char* id : {"absent", "empty"}) { // no record, or one whose first line is empty
        const ItemText missing = readItemText(names, CategoryId::Weapon, id);
        EXPECT_TRUE(!missing.name && missing.description.isEmpty()) << id;
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
    const std::pair<QString, int> openings[] = {{"dup", 0},   {"武器一", 1}, {" dup", 3},
                                                {"", 6},      {"a", -1},     {"dup ", -1},
                                                {"武器", -1}, {"id600", -1}};
    for (const auto& [id, line] : openings)
        EXPECT_EQ(index.opening(names, id), line) << id.toStdString();
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(index.opening(names, QStringLiteral("id%1").arg(i)), 7 + i);
}

} // namespace
} // namespace wed
