#include "edit/field_line.h"

#include "base/code_page.h"
#include "data/numeric_value.h"
#include "edit/decimal_form.h"

#include <cmath>

namespace wed {
namespace {

constexpr qsizetype kAmmoLabelLength = 3; // the Chinese label before the blank
constexpr qsizetype kAmmoNameLength = 30; // characters 5 to 34 of a list entry

FieldLine refused(Status status, QString detail = {}) {
    return {{}, Outcome::of(status, {}, std::move(detail))};
}

FieldLine withValue(const FieldSpec& field, QStringView value) {
    if (value.contains(u'\r') || value.contains(u'\n'))
        return refused(Status::LineBreakInValue);
    const std::optional<QByteArray> bytes = encodeAnsi(value);
    if (!bytes)
        return refused(Status::Unencodable, firstUnencodable(value));
    return {field.key + *bytes, {}};
}

FieldLine withNumber(const FieldSpec& field, double value) {
    // From 2^53 on a double holds only some of the integers: the digits typed would be lost.
    if (!std::isfinite(value) || std::fabs(value) >= 0x1p53)
        return refused(Status::NumberTooLarge);
    return withValue(field, decimalForm(value));
}

// A list entry of the ammunition box: a label of three characters that are not ASCII
// (Chinese, full-width digits, ideographic spaces), one blank, then the name. Ammunition
// names are ASCII, so a bare name never has this form.
bool isAmmoEntry(QStringView text) {
    if (text.size() <= kAmmoLabelLength || text[kAmmoLabelLength] != u' ')
        return false;
    for (qsizetype i = 0; i < kAmmoLabelLength; ++i)
        if (text[i].unicode() < 0x80)
            return false;
    return true;
}

FieldLine classLine(const FieldSpec& field, QStringView text) {
    const double x = numericValue(text);
    // The range is checked before the fraction is dropped: 5.5 is refused, 4.7 gives 4.
    if (x > 5 || x < 0)
        return refused(Status::ClassOutOfRange);
    return withNumber(field, std::trunc(x));
}

FieldLine ammoLine(const FieldSpec& field, QStringView text) {
    if (!isAmmoEntry(text))
        return withValue(field, text);
    return withValue(field, text.sliced(kAmmoLabelLength + 1).left(kAmmoNameLength));
}

} // namespace

Outcome refuseControlCharacters(QStringView text) {
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        // U+FEFF is invisible, and a converter drops it at the start of a text.
        if ((code < 0x20 && code != u'\t' && code != u'\r' && code != u'\n') || code == 0x7f ||
            code == 0xfeff)
            return Outcome::of(
                Status::ControlCharacter, {},
                QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper());
    }
    return {};
}

FieldLine fieldLine(const FieldSpec& field, QStringView text) {
    if (Outcome control = refuseControlCharacters(text); !control.done())
        return {{}, std::move(control)};
    switch (field.kind) {
    case FieldKind::Numeric:
        return withNumber(field, numericValue(text));
    case FieldKind::Verbatim:
        return withValue(field, text);
    case FieldKind::ClassChoice:
        return classLine(field, text);
    case FieldKind::AmmoChoice:
        return ammoLine(field, text);
    case FieldKind::BulletChoice:
        return withNumber(field, std::trunc(numericValue(text)));
    }
    Q_UNREACHABLE();
}

} // namespace wed
