#include "data/item_list.h"

#include "base/code_page.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

ItemList list(const QStringList& lines, CategoryId id) {
    const LineBuffer items(
        *encodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    ItemIndex index;
    index.rebuild(items);
    return listItems(items, index, category(id));
}

TEST(ItemList, ListsHeadersAtTheFirstColumnExactlyAsWritten) {
    const QString longId(120, u'x');
    const QStringList lines{
        "Weapon=first", "weapon=lower",       " Weapon=indented",        "Weapon= blank",
        "Weapon=",      "Armor=vest",         "Weapon=" + longId,        "Weapon=武器甲",
        "Weapon=first", "Weapon=RandItems_1", "Weapon=ImplantSkillsCost"};
    // Names excluded from implants stay in other categories, without a skill-cost read.
    const ItemList weapons = list(lines, CategoryId::Weapon);
    EXPECT_EQ(idsOf(weapons.entries), (QStringList{"first", " blank", "", longId, "武器甲", "first",
                                                   "RandItems_1", "ImplantSkillsCost"}));
    EXPECT_EQ(weapons.skillCostRecords, 0);
    // The second "first" is the second such record.
    EXPECT_EQ(weapons.entries[5].ordinal, 1);
    EXPECT_EQ(weapons.entries[5].headerLine, 8);
    EXPECT_EQ(idsOf(list(lines, CategoryId::Armor).entries), QStringList{"vest"});
}

TEST(ItemList, ScansTheWholeFile) {
    QStringList lines(100000, QStringLiteral("Clip=1"));
    lines[2793] = "Weapon=at2793";
    lines << "Weapon=at100000";
    EXPECT_EQ(idsOf(list(lines, CategoryId::Weapon).entries), (QStringList{"at2793", "at100000"}));
}

TEST(ItemList, ImplantPassDropsExcludedNamesExactlyAndReadsEachSkillCostRecord) {
    const ItemList implants = list(
        {"Implant=RandItems_2", "Implant=RandItems_2 ", "Implant=ImplantSkillsCost", "Implant=chip",
         "Implant=implant_standfirm_male", "Implant=ImplantSkillsCost", "Implant=randitems_1"},
        CategoryId::Implant);
    EXPECT_EQ(idsOf(implants.entries), (QStringList{"RandItems_2 ", "chip", "randitems_1"}));
    EXPECT_EQ(implants.skillCostRecords, 2);
}

} // namespace
} // namespace wed
