// The change sets' fuzz target's property (fuzz/patch_property.h) on its seed inputs and on
// variants of them with a few bytes changed, in every build, with or without a fuzzer.
#include "patch_property.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace wed::fuzz {
namespace {

TEST(PatchPath, SeedsAndTheirVariantsKeepTheProperty) {
    const QDir seeds(QStringLiteral(WED_PATCH_SEEDS));
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_GE(names.size(), 8);
    std::mt19937 random(7);
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray seed = file.readAll();
        for (int variant = 0; variant < 12; ++variant) {
            QByteArray input = seed;
            for (int change = 0; variant > 0 && change < 3; ++change)
                input[qsizetype(8 + random() % (input.size() - 8))] = char(random() % 128);
            ASSERT_EQ(checkPatchPath(input), QString())
                << name.toStdString() << " variant " << variant << ": "
                << input.toHex().constData();
        }
    }
}

} // namespace
} // namespace wed::fuzz
