#include "data/cell_arithmetic.h"

#include <QRegularExpression>
#include <cmath>

namespace wed {
namespace {

const QRegularExpression kNumber(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));

std::optional<double> plainNumber(const QString& text) {
    if (!kNumber.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

qsizetype decimalsOf(const QString& number) {
    const qsizetype point = number.indexOf(u'.');
    return point < 0 ? 0 : number.size() - point - 1;
}

// The number changed, written with the decimals the old one had, halves away from zero.
QString changed(const QString& number, const CellInput& input) {
    const double old = number.toDouble();
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
    // Numbers and the blanks between them, each kept as it stands.
    static const QRegularExpression parts(QStringLiteral("(\\s+)|(\\S+)"));
    QString result;
    bool anyNumber = false;
    for (const QRegularExpressionMatch& part : parts.globalMatch(value)) {
        if (part.hasCaptured(1)) {
            result += part.captured(1);
            continue;
        }
        if (!plainNumber(part.captured(2)))
            return std::nullopt;
        result += changed(part.captured(2), input);
        anyNumber = true;
    }
    return anyNumber ? std::optional(result) : std::nullopt;
}

} // namespace wed
