#pragma once

#include <QStringView>

namespace wed {

// The find filter's one rule, for the item list and the table alike: an item matches when its
// id or its name holds the text, ignoring letter case.
inline bool findMatches(QStringView text, QStringView id, QStringView name) {
    return id.contains(text, Qt::CaseInsensitive) || name.contains(text, Qt::CaseInsensitive);
}

} // namespace wed
