#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>

namespace wed {

enum class CategoryId { Weapon, Armor, Implant };

// One row of the category table: the word the category box shows, the prefix of the item
// record header lines in weapon.cfg and the name that stands for the category on the command
// line, in item references and in reports ("weapon/pistol").
struct Category {
    CategoryId id;
    QString word;
    QByteArray headerPrefix;
    const char* name;
};

const std::array<Category, 3>& categories();
const Category& category(CategoryId id);
// The category whose word is exactly the text, or null for any other text.
const Category* categoryForWord(QStringView word);
// The category of that name ("weapon", "armor", "implant"), or null.
const Category* categoryForName(QStringView name);
// Whether a line that begins with this byte may open a record: the header prefixes begin with
// different letters, so the first byte rules out most lines.
inline bool mayOpenRecord(char first) {
    return first == 'W' || first == 'A' || first == 'I';
}
// The category whose record header line this is (the line starts, at its first column, with
// its header prefix), or none. The one test of a record's opening line.
const Category* headerCategory(QByteArrayView line);
// True when the line opens a record of any category.
bool isRecordHeaderLine(QByteArrayView line);

} // namespace wed
