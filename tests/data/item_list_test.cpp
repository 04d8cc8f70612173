#include "data/item_list.h"

#include "base/code_page.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

LineBuffer bufferOf(const QStringList& lines) {
    return LineBuffer(*encodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

const Category& weapon() {
    return category(CategoryId::Weapon);
}

ItemList list(const LineBuffer& items, const Category& category) {
    ItemIndex index;
    index.rebuild(items);
    return listItems(items, index, category);
}

QStringList listItemIds(const LineBuffer& items, const Category& category) {
    return idsOf(list(items, category).entries);
}

TEST(ItemList, ListsHeadersAtTheFirstColumnExactlyAsWritten) {
    const QString longId(120, u'x');
    const LineBuffer items =
        bufferOf({"Weapon=first", "weapon=lower", " Weapon=indented", "Weapon= blank",
                  "Weapon=", "Armor=vest", "Weapon=" + longId, "Weapon=武器甲", "Weapon=first",
                  "Weapon=RandItems_1", "Weapon=ImplantSkillsCost"});
    // Names excluded from implants stay in other categories, without a skill-cost read.
    const ItemList weapons = list(items, weapon());
    EXPECT_EQ(idsOf(weapons.entries),
              (QStringList{"first", " blank", "", longId, QStringLiteral("武器甲"), "first",
                           "RandItems_1", "ImplantSkillsCost"}));
    EXPECT_EQ(weapons.skillCostRecords, 0);
    // The second "first" is the second such record.
    EXPECT_EQ(weapons.entries[5].ordinal, 1);
    EXPECT_EQ(weapons.entries[5].headerLine, 8);
    EXPECT_EQ(listItemIds(items, category(CategoryId::Armor)), QStringList{"vest"});
}

TEST(ItemList, ScansTheWholeFile) {
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << (i == 2793 ? QStringLiteral("Weapon=at2793") : QStringLiteral("Clip=1"));
    lines << "Weapon=at100000";
    EXPECT_EQ(listItemIds(bufferOf(lines), weapon()), (QStringList{"at2793", "at100000"}));
}

TEST(ItemList, ImplantPassDropsExcludedNamesExactlyAndReadsEachSkillCostRecord) {
    const LineBuffer items =
        bufferOf({"Implant=RandItems_1", "Implant=RandItems_2", "Implant=RandItems_2 ",
                  "Implant=ImplantSkillsCost", "Implant=chip", "Implant=implant_standfirm_male",
                  "Implant=implant_standfirm_female", "Implant=implant_deathmatch_NET",
                  "Implant=implant_deathmatch_NET_fem", "Implant=RandItems_3",
                  "Implant=ImplantSkillsCost", "Implant=randitems_1"});
    const ItemList implants = list(items, category(CategoryId::Implant));
    EXPECT_EQ(idsOf(implants.entries), (QStringList{"RandItems_2 ", "chip", "randitems_1"}));
    EXPECT_EQ(implants.skillCostRecords, 2);
}

} // namespace
} // namespace wed
