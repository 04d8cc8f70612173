#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace wed {

// Reads a file's bytes in one piece, unchanged. On failure returns nothing and, when error is
// given, says why in the user's language.
std::optional<QByteArray> readFileBytes(const QString& path, QString* error = nullptr);

} // namespace wed
