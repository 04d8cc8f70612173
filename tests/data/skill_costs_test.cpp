#include "data/skill_costs.h"

#include "data/record_scan.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

// The record updates only the costs it holds, whole, up to its end line or the next header.
TEST(SkillCosts, UpdatesOnlyTheCostsTheRecordHolds) {
    const std::pair<const char*, SkillCosts> cases[] = {
        {"Implant=ImplantSkillsCost\r\nHealth=1234567890123456789\r\nSpeed=30\r\n;**\r\n"
         "Strength=99\r\n",
         {"1234567890123456789", "2", "30", "4", "5"}},
        {"Implant=ImplantSkillsCost\r\n;**\r\nHealth=7\r\n", {"1", "2", "3", "4", "5"}},
        {"Implant=chip\r\nHealth=7\r\n;**\r\n", {"1", "2", "3", "4", "5"}},
        {"Implant=ImplantSkillsCost\r\nAccuracy=9\r\nImplant=chip\r\nIntelligence=9\r\n",
         {"1", "2", "3", "9", "5"}},
    };
    for (const auto& [text, expected] : cases) {
        const LineBuffer items{QByteArray(text)};
        SkillCosts costs{"1", "2", "3", "4", "5"};
        LoadSkillCosts(items, findHeaderLine(items, "Implant=ImplantSkillsCost", 0), costs);
        EXPECT_EQ(costs, expected) << text;
    }
}

} // namespace
} // namespace wed
