#include "edit/decimal_form.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace wed {
namespace {

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits, as its digits without trailing zeros and the
// decimal exponent of the first digit: 1.5 gives ("15", 0), 0.025 gives ("25", -2).
std::pair<std::string, int> roundedDigits(double magnitude) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string scientific(text, result.ptr);
    const size_t e = scientific.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (scientific[i] != '.')
            digits.push_back(scientific[i]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {digits, std::atoi(scientific.c_str() + e + 1)};
}

} // namespace

QString decimalForm(double value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    // A whole number of at most 15 digits is its digits: rounding leaves it as it is.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char text[24];
        const auto written = std::to_chars(text, text + sizeof text, (long long)value);
        return QString::fromLatin1(text, written.ptr - text);
    }
    auto [digits, exponent] = roundedDigits(std::fabs(value));
    std::string text;
    if (exponent < 0) {
        text = "0." + std::string(size_t(-exponent - 1), '0') + digits;
    } else if (size_t(exponent) + 1 >= digits.size()) {
        text = digits + std::string(size_t(exponent) + 1 - digits.size(), '0');
    } else {
        text = digits.substr(0, size_t(exponent) + 1) + "." + digits.substr(size_t(exponent) + 1);
    }
    if (value < 0)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text);
}

} // namespace wed
