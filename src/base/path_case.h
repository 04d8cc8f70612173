#pragma once

#include <QString>

namespace wed {

// Joins a folder and a relative path ("Text/Weapon.txt", "Images/weapon/1234_0005.tga") the way
// the game folder's own system would find it: game folders are made on Windows, where letter
// case does not matter, so on a case-sensitive file system every component that does not exist
// as written is looked up ignoring case. A folder ending in a separator gets no second one.
// When nothing matches, the path is returned as written.
QString resolvePathIgnoringCase(const QString& folder, const QString& relative);

// Joins a folder and a name with one separator.
QString joinPath(const QString& folder, const QString& name);

} // namespace wed
