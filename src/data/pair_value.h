#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace wed {

// A pair's value ("5 13") as two numbers, each shown and typed on its own, where the bytes
// around them (the blanks between, any before or after) stay as they are.
struct PairSpans {
    qsizetype start[2] = {0, 0};
    qsizetype length[2] = {0, 0};
};

// Where the two numbers stand, when the value is two numbers between blanks; none otherwise.
std::optional<PairSpans> pairSpans(QStringView value);

// The text a half shows: its number; for a value that is not two numbers, the whole value in
// the first half (which then stands for the whole value) and nothing in the second.
QString pairHalf(QStringView value, int half);

// The value with one half's number replaced by the text, every other character kept; for a
// value that is not two numbers, the first half's text is the whole new value. None for the
// second half of such a value, which has no number to replace.
std::optional<QString> withPairHalf(QStringView value, int half, QStringView text);

} // namespace wed
