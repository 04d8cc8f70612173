#include "data/price_estimate.h"

#include "data/numeric_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace wed {
namespace {

constexpr int kBlankSearchLength = 20;
constexpr int kMaximumLength = 10;
constexpr int kDigitsAfterApostrophe = 4;

// The five costs from dearest to cheapest.
std::array<double, 5> sortedCosts(const SkillCosts& texts) {
    std::array<double, 5> c{};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = numericValue(texts[i]);
    for (size_t i = 0; i < 4; ++i)
        for (size_t j = i; j < 5; ++j)
            if (c[i] < c[j])
                std::swap(c[i], c[j]);
    return c;
}

// The attribute count when it is exactly a whole number from 1 to 5.
std::optional<int> attributeCount(QStringView text) {
    const double n = numericValue(text);
    for (int k = 1; k <= 5; ++k)
        if (n == k)
            return k;
    return std::nullopt;
}

struct ValueRange {
    double min = 0.0;
    double max = 0.0;
};

// The lowest value is what stands before the blank; the highest is read from at most ten
// characters after it.
std::optional<ValueRange> valueRange(QStringView text) {
    const qsizetype blank = text.left(kBlankSearchLength).indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    return ValueRange{numericValue(text.left(blank)),
                      numericValue(text.mid(blank + 1).left(kMaximumLength))};
}

QString figureText(double figure) {
    return std::isfinite(figure) ? priceMask(figure) : kNoFigure.toString();
}

QString boxText(const QString& low, const QString& high) {
    QString text = low;
    text += kPriceSeparator;
    text += high;
    return text;
}

} // namespace

QString estimatePrice(QStringView cost, QStringView count, QStringView range,
                      const SkillCosts& skillCosts) {
    const std::optional<int> n = attributeCount(count);
    const std::optional<ValueRange> values = valueRange(range);
    if (!n || !values)
        return boxText(kNoFigure.toString(), kNoFigure.toString());

    const std::array<double, 5> c = sortedCosts(skillCosts);
    double dearest = 0.0;
    double cheapest = 0.0;
    for (int k = 0; k < *n; ++k) {
        dearest += c[k];
        cheapest += c[4 - k];
    }
    const double base = numericValue(cost);
    return boxText(figureText(base + values->min * cheapest),
                   figureText(base + values->max * dearest));
}

QString priceMask(double figure) {
    const double whole = std::round(figure); // halves away from zero
    if (whole == 0.0)
        return QStringLiteral("'");
    // 'f' with no decimals writes every digit of the whole number, however large.
    const QString digits = QString::number(std::fabs(whole), 'f', 0);
    const qsizetype split = std::max<qsizetype>(0, digits.size() - kDigitsAfterApostrophe);
    const QString sign = whole < 0 ? QStringLiteral("-") : QString();
    return sign + digits.left(split) + u'\'' + digits.mid(split);
}

} // namespace wed
