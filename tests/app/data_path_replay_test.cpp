// The data path fuzz target's property (fuzz/data_property.h) on its seeds and their variants.
#include "data_property.h"
#include "support/seed_replay.h"

namespace wed::test {
namespace {

TEST(DataPath, SeedsAndTheirVariantsKeepTheProperty) {
    replaySeeds(QStringLiteral(WED_DATA_SEEDS), 0, 11, fuzz::checkDataPath);
}

} // namespace
} // namespace wed::test
