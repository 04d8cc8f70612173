#include "bench_game.h"

#include "data/item_fields.h"
#include "sample_game.h"

#include <QDir>
#include <QFile>

namespace bench {

GameFolder::GameFolder(qsizetype lines) {
    const wed::sample::SampleText text = wed::sample::makeSampleText(lines);
    write(text.itemFile, text.nameFile);
    lines_ = text.itemLines;
}

std::unique_ptr<GameFolder> GameFolder::weapons(int weapons) {
    QByteArray items, names;
    for (int i = 0; i < weapons; ++i) {
        const QByteArray id = "w" + QByteArray::number(i);
        items += "Weapon=" + id + "\r\n";
        for (const wed::FieldSpec& field : wed::categoryFields(wed::CategoryId::Weapon).fields)
            items += field.key + QByteArray::number((i * 37 + field.key.size()) % 1000) +
                     (field.key == "Damage=" ? " 20" : "") + "\r\n";
        items += ";**************************\r\n";
        names += "<" + id + ">\r\n1\r\nname:    " + id + "\r\n\r\n";
    }
    std::unique_ptr<GameFolder> folder(new GameFolder);
    folder->write(items, names);
    folder->lines_ = items.count('\n');
    return folder;
}

void GameFolder::write(const QByteArray& items, const QByteArray& names) {
    QDir(dir_.path()).mkpath(QStringLiteral("Text"));
    for (const auto& [name, bytes] : {std::pair{QStringLiteral("weapon.cfg"), items},
                                      std::pair{QStringLiteral("Text/Weapon.txt"), names}}) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark's game files");
    }
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
