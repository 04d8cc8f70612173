#include "base/plain_number.h"

#include <charconv>
#include <string>

namespace wed {

std::optional<double> plainNumber(QStringView text) {
    std::string ascii;
    ascii.reserve(size_t(text.size()));
    bool digits = false, point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else if (!(i == 0 && (c == u'+' || c == u'-')))
            return std::nullopt;
        ascii.push_back(char(c));
    }
    if (!digits)
        return std::nullopt;
    // from_chars takes no '+'; it is locale-independent, unlike the string classes' readers.
    const size_t skip = ascii[0] == '+' || ascii[0] == '-' ? 1 : 0;
    double value = 0;
    std::from_chars(ascii.data() + skip, ascii.data() + ascii.size(), value);
    return ascii[0] == '-' ? -value : value;
}

} // namespace wed
