#include "data/cell_arithmetic.h"

#include "base/plain_number.h"

#include <cmath>

namespace wed {
namespace {

qsizetype decimalsOf(QStringView number) {
    const qsizetype point = number.indexOf(u'.');
    return point < 0 ? 0 : number.size() - point - 1;
}

// The number changed, written with the decimals the old one had, halves away from zero.
QString changed(QStringView number, const CellInput& input) {
    const double old = *plainNumber(number);
    const double value =
        input.kind == CellInput::Kind::Multiply ? old * input.operand : old + input.operand;
    const qsizetype decimals = decimalsOf(number);
    const double scale = std::pow(10.0, double(decimals));
    // A hair towards the half the decimal text meant, which binary fractions may miss.
    const double scaled = value * scale;
    const double rounded =
        std::round(scaled + std::copysign(1e-9 * std::max(1.0, std::fabs(scaled)), scaled));
    QString text = QString::number(rounded / scale, 'f', int(decimals));
    if (rounded == 0 && text.startsWith(u'-'))
        text.remove(0, 1);
    return text;
}

} // namespace

std::optional<CellInput> readCellInput(const QString& typed) {
    if (typed.startsWith(u'='))
        return CellInput{CellInput::Kind::Text, typed.mid(1), 0};
    if (typed.isEmpty() || (typed[0] != u'*' && typed[0] != u'+' && typed[0] != u'-'))
        return CellInput{CellInput::Kind::Text, typed, 0};
    const std::optional<double> operand = plainNumber(typed.mid(1).trimmed());
    if (!operand)
        return std::nullopt;
    if (typed[0] == u'*')
        return CellInput{CellInput::Kind::Multiply, {}, *operand};
    return CellInput{CellInput::Kind::Add, {}, typed[0] == u'-' ? -*operand : *operand};
}

std::optional<QString> applyCellInput(const QString& value, const CellInput& input) {
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
            result += changed(part, input);
            anyNumber = true;
        } else {
            return std::nullopt;
        }
        i = end;
    }
    return anyNumber ? std::optional(result) : std::nullopt;
}

} // namespace wed
