#pragma once

#include <cstdint>

namespace wed {

// The toolkit's booleans are 16-bit: -1 for true, 0 for false.
using Boolean16 = std::int16_t;
inline constexpr Boolean16 kTrue16 = -1;
inline constexpr Boolean16 kFalse16 = 0;

// Any non-zero value counts as true and is stored as -1.
constexpr Boolean16 toBoolean16(bool value) {
    return value ? kTrue16 : kFalse16;
}

} // namespace wed
