#include "data/value_check.h"

#include "base/code_page.h"
#include "data/numeric_value.h"

#include <cmath>

namespace wed {
namespace {

// The texts of the numbers the game reads from a value: a pair's parts between blanks, or the
// whole value.
QList<QStringView> numberTexts(ValueType type, QStringView value) {
    return type == ValueType::Pair ? value.split(u' ', Qt::SkipEmptyParts)
                                   : QList<QStringView>{value};
}

} // namespace

std::optional<Status> valueProblem(ValueType type, QStringView value) {
    switch (type) {
    case ValueType::Number:
        return isNumber(value) ? std::nullopt : std::optional(Status::NotANumber);
    case ValueType::Pair:
        if (!value.contains(u' '))
            return Status::PairWithoutBlank;
        for (QStringView part : numberTexts(type, value))
            if (!isNumber(part))
                return Status::NotANumber;
        return std::nullopt;
    case ValueType::ClassDigit:
        return value.size() == 1 && value[0] >= u'0' && value[0] <= u'5'
                   ? std::nullopt
                   : std::optional(Status::ClassNotDigit);
    case ValueType::MenuPicture:
    case ValueType::Text:
        return std::nullopt;
    }
    return std::nullopt;
}

bool sameNumbers(ValueType type, QStringView a, QStringView b) {
    if (type == ValueType::Text)
        return false;
    const QList<QStringView> first = numberTexts(type, a), second = numberTexts(type, b);
    if (first.size() != second.size())
        return false;
    for (qsizetype i = 0; i < first.size(); ++i) {
        // A number too large for a double reads as infinite: two of them are not known equal.
        if (!isNumber(first[i]) || !isNumber(second[i]) || !std::isfinite(numericValue(first[i])) ||
            numericValue(first[i]) != numericValue(second[i]))
            return false;
    }
    return true;
}

Outcome loneLineBreakIn(const LineBuffer& lines, qsizetype index, const QString& path) {
    const QByteArrayView line = lines.lineBytes(index);
    const qsizetype at = loneLineBreak(line);
    if (at < 0)
        return {};
    Outcome problem = Outcome::of(Status::LoneLineBreak, path, decodeAnsi(line.first(at)));
    problem.line = index + 1;
    return problem;
}

} // namespace wed
