#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace wed {

// One change of a file's bytes: at `offset`, the bytes `removed` gave way to `inserted`. A
// change kept this way can be taken back exactly, whatever the bytes are (lone CR or LF,
// bytes the code page cannot decode, a last line without a line end).
struct Splice {
    qsizetype offset = 0;
    QByteArray removed;
    QByteArray inserted;

    bool empty() const { return removed.isEmpty() && inserted.isEmpty(); }
    Splice inverse() const { return {offset, inserted, removed}; }
};

// The smallest splice that turns `before` into `after`: what lies between their common start
// and their common end.
Splice spliceBetween(QByteArrayView before, QByteArrayView after);

// The bytes with the splice applied. The splice must fit: `removed` stands at `offset`.
QByteArray applySplice(QByteArrayView bytes, const Splice& splice);
bool spliceFits(QByteArrayView bytes, const Splice& splice);

// A series of splices, each made on the result of the one before, applied in order or, to
// take them back, undone from the last to the first. None when a splice does not fit: the
// bytes are not those the series was made on.
using Splices = std::vector<Splice>;
std::optional<QByteArray> applySplices(QByteArray bytes, const Splices& splices);
std::optional<QByteArray> revertSplices(QByteArray bytes, const Splices& splices);
// The series that takes a series back: the inverse of each splice, from the last to the first.
Splices inverseOf(const Splices& splices);

} // namespace wed
