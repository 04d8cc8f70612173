#include "base/category.h"

#include <QtGlobal>

namespace wed {

const std::array<Category, 3>& categories() {
    static const std::array<Category, 3> table{{
        {CategoryId::Weapon, QString::fromUtf8(QT_TRANSLATE_NOOP("Category", "武器")),
         QByteArrayLiteral("Weapon="), "weapon"},
        {CategoryId::Armor, QString::fromUtf8(QT_TRANSLATE_NOOP("Category", "装甲")),
         QByteArrayLiteral("Armor="), "armor"},
        {CategoryId::Implant, QString::fromUtf8(QT_TRANSLATE_NOOP("Category", "晶体")),
         QByteArrayLiteral("Implant="), "implant"},
    }};
    return table;
}

const Category& category(CategoryId id) {
    return categories()[size_t(id)];
}

const Category* categoryForWord(QStringView word) {
    for (const Category& c : categories())
        if (word == c.word)
            return &c;
    return nullptr;
}

const Category* categoryForName(QStringView name) {
    for (const Category& c : categories())
        if (name == QLatin1StringView(c.name))
            return &c;
    return nullptr;
}

const Category* headerCategory(QByteArrayView line) {
    // The first byte names the only candidate; a loop of its few bytes beats a library compare.
    if (line.isEmpty() || !mayOpenRecord(line[0]))
        return nullptr;
    for (const Category& c : categories()) {
        if (line[0] != c.headerPrefix[0])
            continue;
        const qsizetype n = c.headerPrefix.size();
        if (line.size() < n)
            return nullptr;
        for (qsizetype i = 1; i < n; ++i)
            if (line[i] != c.headerPrefix[i])
                return nullptr;
        return &c;
    }
    return nullptr;
}

bool isRecordHeaderLine(QByteArrayView line) {
    return headerCategory(line) != nullptr;
}

} // namespace wed
