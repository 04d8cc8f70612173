#include "item_catalog.h"

#include "catalog_parts.h"

namespace wed::sample {

QString nameField(const QString& label, const QString& text) {
    const QString line = label + QLatin1Char('=');
    return text.isEmpty() ? line : line.leftJustified(9, QLatin1Char(' ')) + text;
}

QString keyLine(const char* key, const QString& value) {
    return QLatin1String(key) + QLatin1Char('=') + value;
}

QString keyLine(const char* key, int value) {
    return keyLine(key, QString::number(value));
}

QString pairValue(int first, int second) {
    return QString::number(first) + QLatin1Char(' ') + QString::number(second);
}

QString pictureNumber(int series, int number) {
    return QStringLiteral("%1%2")
        .arg(series, 4, 10, QLatin1Char('0'))
        .arg(number, 4, 10, QLatin1Char('0'));
}

SampleRandom itemRandom(int serial) {
    return SampleRandom(itemSeed(0x5EED0F17A11CE5ull, std::uint64_t(serial)));
}

std::vector<SampleItem> sampleItems() {
    std::vector<SampleItem> items;
    int serial = 0;
    appendWeapons(items, serial);
    appendArmors(items, serial);
    appendImplants(items, serial);
    return items;
}

SampleItem repeatedItem(const SampleItem& item, int round) {
    SampleItem copy = item;
    copy.id = item.id + QLatin1Char('_') + QString::number(round);
    copy.commentsBefore.clear();
    return copy;
}

} // namespace wed::sample
