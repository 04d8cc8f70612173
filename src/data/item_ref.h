#pragma once

#include "base/category.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace wed {

// An item of a game folder: its category, its id, and which of the records with that id it
// is (the K-th in file order, from 1). Everything that names an item speaks this: the command
// line, the folder check, the table, the history and the patches.
//
// Its text form is "weapon/pistol", and "weapon/dup#2" for the second record named "dup". In
// the id, "\#", "\*", "\?" and "\\" stand for the characters themselves, so that every id the
// file can hold has a text form.
struct ItemRef {
    CategoryId category = CategoryId::Weapon;
    QString id;
    int occurrence = 1;

    bool operator==(const ItemRef&) const = default;
};

QString refText(const ItemRef& ref);
// The id with "\", "#", "*" and "?" escaped.
QString escapedId(QStringView id);

// An item reference, or a pattern over references, read from its text form: the category
// name, "/", the id, and an optional "#K". In a pattern an unescaped "*" matches any run of
// characters of the id and "?" any one character; in a reference they are characters of the
// id. None for a text that is not of this form (no category, an empty id, "#0").
struct ItemPattern {
    CategoryId category = CategoryId::Weapon;
    std::vector<QString> parts; // the id's literal pieces, a wildcard between each two
    QString wildcards;          // the wildcard ('*' or '?') after each piece but the last
    std::optional<int> occurrence;

    bool plain() const { return wildcards.isEmpty(); }
    // The id of a pattern without wildcards.
    QString id() const { return parts.empty() ? QString() : parts.front(); }
    // Matched without backtracking; `steps`, when given, is increased by the characters
    // compared.
    bool matches(QStringView id, qsizetype* steps = nullptr) const;
};

std::optional<ItemPattern> parsePattern(QStringView text, bool emptyId = false);
// A reference: a pattern's wildcards taken as characters. `occurrence` is used when the text
// gives none. An empty id ("weapon/", which a header line "Weapon=" has) only when allowed.
std::optional<ItemRef> parseRef(QStringView text, int occurrence = 1, bool emptyId = false);

} // namespace wed
