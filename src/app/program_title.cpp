#include "app/program_title.h"

namespace wed {
namespace {

constexpr std::array<const char16_t*, kTitleLetterCount> kLetters = {
    u"武", u"器", u"装", u"甲", u"晶体", u"数", u"据", u"编", u"辑", u"器"};

} // namespace

QString titleLetterText(int index) {
    return QString::fromUtf16(kLetters.at(index));
}

QString titleText() {
    QString text;
    for (const char16_t* letter : kLetters)
        text += QString::fromUtf16(letter);
    return text;
}

QString windowCaption() {
    return titleText() + QStringLiteral(" v" WED_VERSION);
}

} // namespace wed
