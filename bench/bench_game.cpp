#include "bench_game.h"

#include "data/item_fields.h"
#include "sample_game.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringList>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace bench {

namespace {

void writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark's game files");
}

// The two picture files of a picture number: "12340005" gives 1234_0005.tga and 1233_0005.tga.
QStringList pictureNames(const QString& number) {
    return {number.left(4) + u'_' + number.mid(4) + QStringLiteral(".tga"),
            QString::number(number.left(4).toInt() - 1) + u'_' + number.mid(4) +
                QStringLiteral(".tga")};
}

// The item file with every VidMENU value replaced in turn by one of the first ten whose
// pictures the sample has; those pictures.
QByteArray withTenPictures(const QByteArray& items, std::vector<wed::sample::SampleFile>& used) {
    QHash<QString, wed::sample::SampleFile> pictures;
    for (wed::sample::SampleFile& file : wed::sample::makeSampleGame())
        pictures.insert(QFileInfo(file.path).fileName(), std::move(file));
    const QByteArray key = "VidMENU=";
    QList<QByteArray> lines = items.split('\n');
    QList<QByteArray> numbers;
    for (const QByteArray& line : lines) {
        const QByteArray number = line.mid(key.size()).trimmed();
        const QStringList names = pictureNames(QString::fromLatin1(number));
        if (!line.startsWith(key) || numbers.contains(number) || numbers.size() == 10 ||
            !pictures.contains(names[0]) || !pictures.contains(names[1]))
            continue;
        numbers.append(number);
        for (const QString& name : names)
            used.push_back(pictures.value(name));
    }
    qsizetype next = 0;
    for (QByteArray& line : lines)
        if (line.startsWith(key))
            line = key + numbers[next++ % numbers.size()] + '\r';
    return lines.join('\n');
}

} // namespace

GameFolder::GameFolder(qsizetype lines, bool pictures) {
    const wed::sample::SampleText text = wed::sample::makeSampleText(lines);
    std::vector<wed::sample::SampleFile> used;
    writeFile(dir_, QStringLiteral("weapon.cfg"),
              pictures ? withTenPictures(text.itemFile, used) : text.itemFile);
    writeFile(dir_, QStringLiteral("Text/Weapon.txt"), text.nameFile);
    for (const wed::sample::SampleFile& file : used)
        writeFile(dir_, file.path, file.bytes);
    lines_ = text.itemLines;
    pictures_ = int(used.size());
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
    writeFile(folder->dir_, QStringLiteral("weapon.cfg"), items);
    writeFile(folder->dir_, QStringLiteral("Text/Weapon.txt"), names);
    folder->lines_ = items.count('\n');
    return folder;
}

QByteArray GameFolder::itemBytes() const {
    QFile file(itemFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool bareAtomicSave(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    if (!file.commit())
        return false;
    const int handle =
        open(QFile::encodeName(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY);
    const bool synced = handle >= 0 && fsync(handle) == 0;
    if (handle >= 0)
        close(handle);
    return synced;
}

int fieldIndex(wed::CategoryId category, const char* key) {
    const auto& fields = wed::categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].key == key)
            return int(i);
    qFatal("no such field");
}

} // namespace bench
