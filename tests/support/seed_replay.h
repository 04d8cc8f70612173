#pragma once

#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace wed::test {

// A fuzz target's property on its seed inputs and on variants of them with a few bytes changed
// (from `first` on, where the inputs' own lengths end), in every build, with or without a
// fuzzer. The property returns what broke, or nothing.
inline void replaySeeds(const QString& folder, qsizetype first, unsigned seed,
                        const std::function<QString(QByteArrayView)>& property) {
    const QDir seeds(folder);
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_GE(names.size(), 8);
    std::mt19937 random(seed);
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (int variant = 0; variant < 12; ++variant) {
            QByteArray input = bytes;
            for (int change = 0; variant > 0 && change < 3 && input.size() > first; ++change)
                input[qsizetype(first + random() % (input.size() - first))] =
                    char(random() % (first > 0 ? 128 : 256));
            ASSERT_EQ(property(input), QString()) << name.toStdString() << " variant " << variant
                                                  << ": " << input.toHex().constData();
        }
    }
}

} // namespace wed::test
