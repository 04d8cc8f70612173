// The change sets' fuzz target's property (fuzz/patch_property.h) on its seeds and their
// variants, the four lengths at their start left as they are.
#include "patch_property.h"
#include "support/seed_replay.h"

namespace wed::test {
namespace {

TEST(PatchPath, SeedsAndTheirVariantsKeepTheProperty) {
    replaySeeds(QStringLiteral(WED_PATCH_SEEDS), 8, 7, fuzz::checkPatchPath);
}

} // namespace
} // namespace wed::test
