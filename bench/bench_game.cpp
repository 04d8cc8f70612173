#include "bench_game.h"

#include "data/item_fields.h"
#include "sample_game.h"

#include <QDir>
#include <QFile>

namespace bench {

GameFolder::GameFolder(qsizetype lines) {
    const wed::sample::SampleText text = wed::sample::makeSampleText(lines);
    QDir(dir_.path()).mkpath(QStringLiteral("Text"));
    for (const auto& [name, bytes] :
         {std::pair{QStringLiteral("weapon.cfg"), text.itemFile},
          std::pair{QStringLiteral("Text/Weapon.txt"), text.nameFile}}) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark's game files");
    }
    lines_ = text.itemLines;
}

QByteArray GameFolder::itemBytes() const {
    QFile file(itemFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int fieldIndex(wed::CategoryId category, const char* key) {
    const auto& fields = wed::categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].key == key)
            return int(i);
    qFatal("no such field");
}

} // namespace bench
