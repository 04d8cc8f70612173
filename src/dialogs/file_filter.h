#pragma once

#include <QStringList>
#include <QStringView>

namespace wed {

// Converts a filter in the system dialog's form - description and pattern pairs separated by
// NUL characters, patterns separated by ';', the list ending at an empty description - into
// Qt name filters "description (pattern pattern)". "*.*" means every file and becomes "*"; a
// description without its pattern part is dropped.
QStringList qtNameFilters(QStringView filter);

} // namespace wed
