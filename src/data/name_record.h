#pragma once

#include "base/category.h"
#include "base/line_buffer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace wed {

// The grammar of the name file (Text/Weapon.txt), known here alone. A name record opens with a
// line "<id>" (only an id's first such line opens its record: a later one is no record), runs
// on to the line before the first empty line after it, or to the file's last line, and holds,
// counted from the line after its opening, a name line and description lines where the layout
// of its items' category puts them. A name line holds a nine-character lead before the name.

// The column (from 0) where a name line's text begins.
inline constexpr qsizetype kNameTextStart = 9;
// Name and description lines are shown cut to this many characters.
inline constexpr qsizetype kShownWidth = 100;

// Whether the line (or a text) opens a name record: "<" first and ">" last.
bool isNameOpening(QByteArrayView line);
bool isNameOpening(QStringView text);
// Whether a line that begins with the byte may open a name record: rules out most lines before
// their view is made.
inline bool mayOpenName(char first) {
    return first == '<';
}
// The id's bytes, or text, between the "<" and ">" of an opening line.
QByteArrayView openingIdBytes(QByteArrayView line);
QStringView openingId(QStringView text);
// The id of an opening line, decoded.
QString openingIdText(QByteArrayView line);
// The opening line of an id.
QByteArray nameOpening(QByteArrayView id);
QString nameOpening(QStringView id);

// The lines of a name record: its opening line and last line (-1 for none), and whether an
// empty line of the file follows it (rather than the file's end).
struct NameRecordLines {
    qsizetype opening = -1;
    qsizetype last = -1;
    bool endedByEmptyLine = false;
};
// The extent of the name record that opens at `opening` (-1: none).
NameRecordLines nameRecordFrom(const LineBuffer& names, qsizetype opening);

// The name and description a category's layout reads in a name record's lines after its
// opening line: the name line's text from kNameTextStart (none when the record stops before it),
// and every line from the first description line on, each whole.
struct NameText {
    std::optional<QString> name;
    QStringList description;
};
// `lineAt(k)` gives the k-th of the `count` lines after the opening line; only the name and
// description lines are asked for.
template <class LineAt> NameText nameTextOf(CategoryId category, qsizetype count, LineAt lineAt);

// The record's lines (opening first) with the name line and the description the layout
// reads replaced: the name line keeps its lead (filled with blanks to kNameTextStart characters),
// lines the record lacks before them are made a blank, and the description lines replace every
// line from the first description line on. Name and description are in the code page already.
QList<QByteArray> withNameText(QList<QByteArray> record, CategoryId category,
                               const QByteArray& name, const QList<QByteArray>& description);

// Where the layout of a category puts the name line and the first description line, counted
// from the line after the opening line.
struct NameLayout {
    qsizetype nameLine;
    qsizetype firstDescriptionLine;
};
NameLayout nameLayout(CategoryId category);

template <class LineAt> NameText nameTextOf(CategoryId category, qsizetype count, LineAt lineAt) {
    const NameLayout layout = nameLayout(category);
    NameText text;
    if (layout.nameLine < count)
        text.name = QString(lineAt(layout.nameLine)).mid(kNameTextStart);
    for (qsizetype k = layout.firstDescriptionLine; k < count; ++k)
        text.description.append(lineAt(k));
    return text;
}

} // namespace wed
