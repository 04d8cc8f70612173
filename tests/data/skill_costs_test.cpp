#include "data/skill_costs.h"

#include "data/record_scan.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

void LoadSkillCosts(const char* text, SkillCosts& costs) {
    const LineBuffer items{QByteArray(text)};
    wed::LoadSkillCosts(items, findHeaderLine(items, "Implant=ImplantSkillsCost", 0), costs);
}

TEST(SkillCosts, UpdatesOnlyTheCostsTheRecordHoldsAndKeepsValuesWhole) {
    SkillCosts costs{"1", "2", "3", "4", "5"};
    LoadSkillCosts(("Implant=ImplantSkillsCost\r\nHealth=1234567890123456789\r\n"
                    "Speed=30\r\n;**\r\nStrength=99\r\n"),
                   costs);
    EXPECT_EQ(costs, (SkillCosts{"1234567890123456789", "2", "30", "4", "5"}));
}

TEST(SkillCosts, EndLineRightAfterTheHeaderOrNoRecordChangesNothing) {
    SkillCosts costs{"1", "2", "3", "4", "5"};
    LoadSkillCosts(("Implant=ImplantSkillsCost\r\n;**\r\nHealth=7\r\n"), costs);
    EXPECT_EQ(costs, (SkillCosts{"1", "2", "3", "4", "5"}));
    LoadSkillCosts(("Implant=chip\r\nHealth=7\r\n;**\r\n"), costs);
    EXPECT_EQ(costs, (SkillCosts{"1", "2", "3", "4", "5"}));
}

TEST(SkillCosts, ARecordWithoutEndLineStopsAtTheNextHeader) {
    SkillCosts costs;
    LoadSkillCosts(("Implant=ImplantSkillsCost\r\nAccuracy=4\r\nImplant=chip\r\n"
                    "Intelligence=9\r\n"),
                   costs);
    EXPECT_EQ(costs, (SkillCosts{"", "", "", "4", ""}));
}

} // namespace
} // namespace wed
