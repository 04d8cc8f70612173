#include "data/value_check.h"

#include "data/numeric_value.h"

namespace wed {

std::optional<Status> valueProblem(ValueType type, QStringView value) {
    switch (type) {
    case ValueType::Number:
        return isNumber(value) ? std::nullopt : std::optional(Status::NotANumber);
    case ValueType::Pair:
        if (!value.contains(u' '))
            return Status::PairWithoutBlank;
        for (QStringView part : value.split(u' ', Qt::SkipEmptyParts))
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

} // namespace wed
