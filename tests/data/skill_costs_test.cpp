#include "data/skill_costs.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

LineBuffer bufferOf(const char* text) {
    return LineBuffer(QByteArray(text));
}

TEST(SkillCosts, UpdatesOnlyTheCostsTheRecordHoldsAndKeepsValuesWhole) {
    SkillCosts costs{"1", "2", "3", "4", "5"};
    LoadSkillCosts(bufferOf("Implant=ImplantSkillsCost\r\nHealth=1234567890123456789\r\n"
                            "Speed=30\r\n;**\r\nStrength=99\r\n"),
                   costs);
    EXPECT_EQ(costs, (SkillCosts{"1234567890123456789", "2", "30", "4", "5"}));
}

TEST(SkillCosts, EndLineRightAfterTheHeaderOrNoRecordChangesNothing) {
    SkillCosts costs{"1", "2", "3", "4", "5"};
    LoadSkillCosts(bufferOf("Implant=ImplantSkillsCost\r\n;**\r\nHealth=7\r\n"), costs);
    EXPECT_EQ(costs, (SkillCosts{"1", "2", "3", "4", "5"}));
    LoadSkillCosts(bufferOf("Implant=chip\r\nHealth=7\r\n;**\r\n"), costs);
    EXPECT_EQ(costs, (SkillCosts{"1", "2", "3", "4", "5"}));
}

TEST(SkillCosts, ARecordWithoutEndLineStopsAtTheNextHeader) {
    SkillCosts costs;
    LoadSkillCosts(bufferOf("Implant=ImplantSkillsCost\r\nAccuracy=4\r\nImplant=chip\r\n"
                            "Intelligence=9\r\n"),
                   costs);
    EXPECT_EQ(costs, (SkillCosts{"", "", "", "4", ""}));
}

} // namespace
} // namespace wed
