#pragma once

#include "item_catalog.h"
#include "sample_random.h"

namespace wed::sample {

// The three parts of the catalog, each appending its records in file order. serial counts
// the items made so far and gives each new one its own.
void appendWeapons(std::vector<SampleItem>& items, int& serial);
void appendArmors(std::vector<SampleItem>& items, int& serial);
void appendImplants(std::vector<SampleItem>& items, int& serial);

// A line of a name record: a two-character label, "=", blanks up to nine characters, then the
// text, which therefore starts at the tenth character as the editor reads it. Without a text
// the line is the label and "=" alone.
QString nameField(const QString& label, const QString& text = {});

// A key line "Key=value".
QString keyLine(const char* key, const QString& value);
QString keyLine(const char* key, int value);
QString pairValue(int first, int second);

// The picture number of an item: four digits of series, four of number.
QString pictureNumber(int series, int number);

// The random numbers for one item, the same whatever comes before it.
SampleRandom itemRandom(int serial);

} // namespace wed::sample
