#include "game/patch_format.h"

#include <algorithm>
#include <array>
#include <utility>

namespace wed::patch {
namespace {

// The letter after a backslash and the character it stands for. The first four are written
// wherever their character stands; "\#" only in a key column, "\-" only for a whole "-".
constexpr std::array<std::pair<char16_t, char16_t>, 6> kEscapes{
    {{u'\\', u'\\'}, {u't', u'\t'}, {u'n', u'\n'}, {u'r', u'\r'}, {u'#', u'#'}, {u'-', u'-'}}};
constexpr size_t kEscapedEverywhere = 4;

} // namespace

const char* kindName(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Key:
        return "key";
    case ChangeKind::Record:
        return "record";
    case ChangeKind::Add:
        return "add";
    case ChangeKind::Remove:
        return "remove";
    case ChangeKind::Names:
        return "names";
    case ChangeKind::Move:
    case ChangeKind::NameMove:
        return "move";
    }
    return "";
}

std::optional<ChangeKind> kindNamed(QStringView word) {
    for (ChangeKind kind : {ChangeKind::Key, ChangeKind::Record, ChangeKind::Add,
                            ChangeKind::Remove, ChangeKind::Names, ChangeKind::Move})
        if (word == QLatin1StringView(kindName(kind)))
            return kind;
    return std::nullopt;
}

std::optional<QChar> escapedCharacter(QChar letter) {
    for (const auto& [escape, meaning] : kEscapes)
        if (letter == escape)
            return QChar(meaning);
    return std::nullopt;
}

} // namespace wed::patch

namespace wed {

QString withTabAndBreakEscapes(const QString& text) {
    QString out;
    out.reserve(text.size());
    const auto* const everywhere = patch::kEscapes.begin() + patch::kEscapedEverywhere;
    for (QChar c : text) {
        const auto escape =
            std::find_if(patch::kEscapes.begin(), everywhere,
                         [c](const std::pair<char16_t, char16_t>& e) { return c == e.second; });
        if (escape == everywhere) {
            out += c;
            continue;
        }
        out += u'\\';
        out += QChar(escape->first);
    }
    return out;
}

} // namespace wed
