// The rules' fuzz target's property (fuzz/rules_property.h) on its seeds and their variants.
#include "rules_property.h"
#include "support/seed_replay.h"

namespace wed::test {
namespace {

TEST(RulesFuzzSeeds, SeedsAndTheirVariantsKeepTheProperty) {
    replaySeeds(QStringLiteral(WED_RULES_SEEDS), 0, 31, fuzz::checkRules);
}

} // namespace
} // namespace wed::test
