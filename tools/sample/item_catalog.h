#pragma once

#include "base/category.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace wed::sample {

// One record of the sample item file, with its name record, as the game files hold them.
struct SampleItem {
    CategoryId category = CategoryId::Weapon;
    QString id;
    QStringList commentsBefore; // comment or blank lines written before the header
    QStringList keyLines;       // the lines between the header line and the end line
    QString endLine;            // the line that closes the record
    QStringList nameLines;      // the name record's lines after "<id>", without the empty end
    QString vidMenu;            // the picture number, 8 digits; empty for records never shown
    int serial = 0;             // distinct for every item, it drives the pictures
    bool listed = true;         // false for the skill-cost and the excluded implant records
};

// The invented items of the sample game in file order: the weapons (the bare-handed weapon
// "heand" first), the armors, then the implants with the skill-cost record and the implant
// records that the editor never offers.
std::vector<SampleItem> sampleItems();

// A copy of a listed item under a new id (the id followed by "_" and the round), for the
// large files that benchmarks use. The copy shares the item's picture number.
SampleItem repeatedItem(const SampleItem& item, int round);

// The line that closes weapon and armor records.
inline const QString kRecordEnd = QStringLiteral(";**************************");

} // namespace wed::sample
