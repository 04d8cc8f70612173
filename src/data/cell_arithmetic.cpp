#include "data/cell_arithmetic.h"

#include "base/plain_number.h"

#include <algorithm>
#include <cmath>

namespace wed {
namespace {

// From 2^53 on, a double holds only some of the integers: digits would be lost silently.
bool exact(double value) {
    return std::fabs(value) < 0x1p53;
}

template <typename T> std::optional<T> refusedAs(Status status, Status* why) {
    if (why)
        *why = status;
    return std::nullopt;
}

qsizetype decimalsOf(QStringView number) {
    const qsizetype point = number.indexOf(u'.');
    return point < 0 ? 0 : number.size() - point - 1;
}

// The number changed, written with the decimals the old one had, halves away from zero; none
// when the old number or the new one is too large to be exact.
std::optional<QString> changed(QStringView number, const CellInput& input) {
    const double old = *plainNumber(number);
    const double value =
        input.kind == CellInput::Kind::Multiply ? old * input.operand : old + input.operand;
    if (!exact(old) || !exact(value))
        return std::nullopt;
    const qsizetype decimals = decimalsOf(number);
    const double scale = std::pow(10.0, double(decimals));
    // A hair towards the half the decimal text meant, which binary fractions may miss; never
    // more than a millionth of the last decimal, which would move a large number's units.
    const double scaled = value * scale;
    const double hair = std::min(1e-9 * std::max(1.0, std::fabs(scaled)), 1e-6);
    const double rounded = std::round(scaled + std::copysign(hair, scaled));
    QString text = QString::number(rounded / scale, 'f', int(decimals));
    if (rounded == 0 && text.startsWith(u'-'))
        text.remove(0, 1);
    return text;
}

} // namespace

std::optional<CellInput> readCellInput(const QString& typed, Status* why) {
    if (typed.startsWith(u'='))
        return CellInput{CellInput::Kind::Text, typed.mid(1), 0};
    if (typed.isEmpty() || (typed[0] != u'*' && typed[0] != u'+' && typed[0] != u'-'))
        return CellInput{CellInput::Kind::Text, typed, 0};
    const std::optional<double> operand = plainNumber(typed.mid(1).trimmed());
    if (!operand)
        return refusedAs<CellInput>(Status::CellNotANumber, why);
    if (!exact(*operand))
        return refusedAs<CellInput>(Status::NumberTooLarge, why);
    if (typed[0] == u'*')
        return CellInput{CellInput::Kind::Multiply, {}, *operand};
    return CellInput{CellInput::Kind::Add, {}, typed[0] == u'-' ? -*operand : *operand};
}

std::optional<QString> applyCellInput(const QString& value, const CellInput& input, Status* why) {
    if (input.kind == CellInput::Kind::Text)
        return input.text;
    // Numbers and the blanks between them, each blank kept as it stands.
    QString result;
    bool anyNumber = false;
    for (qsizetype i = 0; i < value.size();) {
        const bool blank = value[i].isSpace();
        qsizetype end = i;
        while (end < value.size() && value[end].isSpace() == blank)
            ++end;
        const QStringView part = QStringView(value).sliced(i, end - i);
        if (blank) {
            result += part;
        } else if (plainNumber(part)) {
            const std::optional<QString> number = changed(part, input);
            if (!number)
                return refusedAs<QString>(Status::NumberTooLarge, why);
            result += *number;
            anyNumber = true;
        } else {
            return refusedAs<QString>(Status::CellNotANumber, why);
        }
        i = end;
    }
    return anyNumber ? std::optional(result) : refusedAs<QString>(Status::CellNotANumber, why);
}

} // namespace wed
