#include "picture/picture_name.h"

#include "base/plain_number.h"

#include <cmath>

namespace wed {

namespace {

const QString kHeandPicture = QStringLiteral("1598.tga");

// The value of a text that reads as a number, blanks around it allowed.
std::optional<double> readAsNumber(QStringView text) {
    return plainNumber(text.trimmed());
}

// The number format "0000": a whole number (halves away from zero), at least four digits.
QString fourDigits(double value) {
    const double rounded = std::round(value);
    const QString digits = QString::number(static_cast<qint64>(std::fabs(rounded)));
    return (rounded < 0 ? QStringLiteral("-") : QString()) + digits.rightJustified(4, u'0');
}

// Plain decimal without leading zeros.
QString plainDecimal(double value) {
    if (value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

bool safeFileName(const QString& name) {
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':') &&
           !name.contains(QChar(0));
}

} // namespace

std::optional<QString> pictureFileName(QStringView vidMenu, PictureSize size, bool heand) {
    if (heand)
        return kHeandPicture;
    const QStringView a = vidMenu.left(4);
    const QStringView b = vidMenu.size() > 4 ? vidMenu.mid(4, 4) : QStringView();
    const std::optional<double> bNumber = readAsNumber(b);
    const QString second = bNumber ? fourDigits(*bNumber) : b.toString();
    QString first;
    if (size == PictureSize::Small) {
        first = a.toString();
    } else {
        const std::optional<double> aNumber = readAsNumber(a);
        if (!aNumber)
            return std::nullopt;
        first = plainDecimal(*aNumber - 1);
    }
    const QString name = first + u'_' + second + QStringLiteral(".tga");
    if (!safeFileName(name))
        return std::nullopt;
    return name;
}

bool bareHands(CategoryId category, QStringView id) {
    return category == CategoryId::Weapon && id == u"heand";
}

} // namespace wed
