#include "data/numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace wed {
namespace {

bool skipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}
bool digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Collects the characters of the leading number, without the skipped ones, as ASCII.
std::string leadingNumber(QStringView text) {
    enum class State { Sign, Mantissa, Fraction, ExponentSign, Exponent };
    State state = State::Sign;
    std::string number;
    size_t exponentStart = std::string::npos;
    bool exponentDigits = false;
    for (QChar c : text) {
        if (skipped(c))
            continue;
        const char a = char(c.unicode());
        if (state == State::Sign && (c == u'+' || c == u'-')) {
            state = State::Mantissa;
        } else if ((state == State::Sign || state == State::Mantissa) && c == u'.') {
            state = State::Fraction;
        } else if (state <= State::Fraction && digit(c)) {
            if (state == State::Sign)
                state = State::Mantissa;
        } else if ((state == State::Mantissa || state == State::Fraction) &&
                   (c == u'e' || c == u'E')) {
            exponentStart = number.size();
            state = State::ExponentSign;
        } else if (state == State::ExponentSign && (c == u'+' || c == u'-')) {
            state = State::Exponent;
        } else if ((state == State::ExponentSign || state == State::Exponent) && digit(c)) {
            exponentDigits = true;
            state = State::Exponent;
        } else {
            break;
        }
        number.push_back(a);
    }
    // An "E" or "E-" is part of the number only once a digit follows it.
    if (exponentStart != std::string::npos && !exponentDigits)
        number.resize(exponentStart);
    return number;
}

// Whether a number that does not fit a double is too large (rather than too small): the
// decimal order of its first significant digit, plus its exponent, is above zero.
bool tooLarge(const std::string& number) {
    const size_t e = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return false;
    long long order = first < point ? (long long)(point - first) : -(long long)(first - point - 1);
    if (e != std::string::npos) {
        // The exponent's digits, saturated: only its sign and size matter here.
        long long exponent = 0;
        for (size_t i = e + 1; i < number.size(); ++i)
            if (digit(QChar(number[i])))
                exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000LL);
        order += number.find('-', e) != std::string::npos ? -exponent : exponent;
    }
    return order > 0;
}

char16_t unit(QChar c) {
    return c.unicode();
}
char16_t unit(char c) {
    return char16_t(static_cast<unsigned char>(c));
}

// One decimal number, over the code units of either kind of text.
template <typename View> bool wholeNumber(View text) {
    const auto at = [&](qsizetype i) { return unit(text[i]); };
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && at(i) >= u'0' && at(i) <= u'9')
            ++i;
        return i - start;
    };
    if (i < text.size() && (at(i) == u'+' || at(i) == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < text.size() && at(i) == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (at(i) == u'e' || at(i) == u'E')) {
        ++i;
        if (i < text.size() && (at(i) == u'+' || at(i) == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

} // namespace

bool isNumber(QStringView text) {
    return wholeNumber(text);
}

bool isNumber(QByteArrayView ascii) {
    return wholeNumber(ascii);
}

double numericValue(QStringView text) {
    const std::string number = leadingNumber(text);
    // from_chars is locale-independent (the application sets the user's locale) but takes
    // no '+' sign; a lone sign or point is no number and reads as 0.
    const bool negative = !number.empty() && number[0] == '-';
    const size_t skip = !number.empty() && (number[0] == '+' || negative) ? 1 : 0;
    double value = 0.0;
    const char* first = number.data() + skip;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        value = tooLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace wed
