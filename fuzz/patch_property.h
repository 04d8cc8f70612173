#pragma once

#include <QByteArrayView>
#include <QString>

namespace wed::fuzz {

// One run of the change-set path on arbitrary bytes: they give two game folders A and B (each a
// weapon.cfg and a Text/Weapon.txt) and a patch text (see patch_property.cpp).
//
// Holds when: the patch text, read and applied to A, leaves A's files byte-identical unless it
// was written, and applied once more (conflicts skipped) leaves them as the first left them;
// and when both folders decode cleanly, apply(diff(A, B)) on a copy of A gives B byte for byte
// in every record and name record, in B's order, keeps A's lines outside records, and applied
// once more changes nothing; the same for a B made of A's records and name records with a few
// moved elsewhere, some dropped and some changed or added as B has them. Not where a changed
// key, value or line holds a lone CR or LF, which no change may write (the diff's patch is
// refused), nor where A's name file opens an id twice (taking its name record away makes the
// next "<id>" the record, which no change set can avoid), nor where a record of either folder
// lacks its end line: such a record takes in every line up to the next record, and a set that
// keeps A's lines outside records beside it does not yet always keep them out of it (the
// folder check reports such records as no-end-line); the same goes for a name record without
// its empty end line that runs on over the next one's "<id>". Returns what broke, or nothing.
// The sanitizers judge the rest.
QString checkPatchPath(QByteArrayView input);

} // namespace wed::fuzz
