#pragma once

#include <QString>

namespace wed {

// Whether two paths name one file, however they are spelt: letter case, "." and "..", symbolic
// links and, on Linux, hard links. A path whose file does not exist yet is the file it would
// make: it is the other when both stand in one folder under names that differ in case alone,
// since game folders are looked up ignoring case.
bool sameFile(const QString& a, const QString& b);

} // namespace wed
