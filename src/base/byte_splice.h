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

// The bytes with the splice applied. The splice must fit: `removed` stands at `offset`.
QByteArray applySplice(QByteArrayView bytes, const Splice& splice);
bool spliceFits(QByteArrayView bytes, const Splice& splice);

// A series of splices, each made on the result of the one before, applied in order or, to
// take them back, undone from the last to the first. None when a splice does not fit: the
// bytes are not those the series was made on. A series made from the end of the bytes towards
// their start (each splice wholly before the one before it) takes one pass over the bytes.
using Splices = std::vector<Splice>;
std::optional<QByteArray> applySplices(QByteArray bytes, const Splices& splices);
std::optional<QByteArray> revertSplices(QByteArray bytes, const Splices& splices);
// Where a byte of the bytes before the series stands after it; -1 when it went. A byte at the
// start of a change that rewrites bytes there (rather than inserting before them) keeps its
// place.
qsizetype mapOffset(qsizetype offset, const Splices& series);
// The series that takes a series back: the inverses, last first.
Splices inverseOf(const Splices& splices);
// A series made from the end of the bytes towards their start, applied (or, takenBack, taken
// back) as splices that all stand in the bytes it is applied to: none overlapping, the last in
// the bytes first. None for a series of another form.
std::optional<Splices> simultaneous(const Splices& series, bool takenBack);

} // namespace wed
