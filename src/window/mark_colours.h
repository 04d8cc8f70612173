#pragma once

#include <QColor>

namespace wed {

// The colours of the comparison with the base, the same wherever a value or an item shows.
inline const QColor kChangedBackground{255, 236, 179}; // a value the base does not have
inline const QColor kAddedItem{0, 110, 40};            // an item the base lacks
inline const QColor kModifiedItem{170, 90, 0};         // an item whose record differs
// A computed column's cells: read-only, worked out by the rules.
inline const QColor kComputedBackground{226, 236, 246};

} // namespace wed
