#pragma once

#include <QStringView>
#include <optional>

namespace wed {

// The value of a text that is a number and nothing else: an optional sign, then digits with at
// most one decimal point, at least one digit. None for any other text, blanks included.
std::optional<double> plainNumber(QStringView text);

} // namespace wed
