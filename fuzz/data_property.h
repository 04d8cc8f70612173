#pragma once

#include <QByteArrayView>
#include <QString>

namespace wed::fuzz {

// One run of the data path on arbitrary bytes, as the window makes it: the bytes give a
// weapon.cfg, a Text/Weapon.txt, a category, a row, a field and a text (see data_property.cpp).
// The files are written to a temporary game folder, the document opens them, lists the
// category, checks the folder, shows the row's item and sets the field's text; then undoes.
//
// Holds when: a folder is refused only for a file whose line ends are not CR LF; the edit was
// refused and the file kept its bytes, or the file differs from its bytes in the field's key
// line alone (a last line without a line end may gain one), and never where that line holds a
// lone CR or LF; the document's lines are those of the file; and an undo gives back the bytes
// exactly. Returns what broke, or nothing. The sanitizers judge the rest.
QString checkDataPath(QByteArrayView input);

} // namespace wed::fuzz
