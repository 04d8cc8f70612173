#pragma once

#include <QString>

namespace wed {

// The short (8.3) form of an existing path, as the system gives it; empty when the path does
// not exist or cannot be converted. Systems without short names give the path itself when it
// exists.
QString shortPathName(const QString& path);

} // namespace wed
