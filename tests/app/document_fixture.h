#pragma once

#include "app/document.h"
#include "data/item_fields.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

namespace wed::test {

// The index of a field in its category's table, by its key.
inline int fieldIndex(CategoryId category, const char* key) {
    const int field = fieldOfKey(category, QString::fromLatin1(key));
    if (field < 0)
        throw std::invalid_argument(key);
    return field;
}

// A document on a game folder of the test's own, and items named as the window lists them.
class DocumentFixture : public testing::Test {
  protected:
    QByteArray items() const { return game.readFile(QStringLiteral("weapon.cfg")); }

    void open() { ASSERT_FALSE(document.open(game.path(QStringLiteral("weapon.cfg"))).refused()); }
    // The item of the category's list at the row.
    ItemRef item(CategoryId category, int row) const {
        const ListEntry entry = document.game().listed(category).entries.at(size_t(row));
        return {category, entry.id, entry.ordinal + 1};
    }
    QStringList listed(CategoryId category) const {
        return idsOf(document.game().listed(category).entries);
    }

    // Types a text into the item's field of the key, as the window passes it on: with the
    // text the field showed before (what the file says, or what was typed last).
    Outcome type(const ItemRef& item, const char* key, const QString& text,
                 EditKind kind = EditKind::Typing) {
        const int field = fieldIndex(item.category, key);
        const auto place = std::make_pair(refText(item), field);
        if (!shown.contains(place))
            shown[place] =
                QString::fromLatin1(document.game().value(item, QByteArray(key)).value_or("无"));
        const Outcome outcome = document.setField(item, field, text, shown[place], kind);
        if (outcome.done())
            shown[place] = text;
        return outcome;
    }
    // Typing a text key by key, as a user does after selecting the field's text.
    void typeKeys(const ItemRef& item, const char* key, const QString& text) {
        for (qsizetype n = 1; n <= text.size(); ++n)
            ASSERT_TRUE(type(item, key, text.left(n)).done()) << text.left(n).toStdString();
        document.endTyping();
    }
    QString value(const ItemRef& item, const char* key) const {
        return QString::fromLatin1(document.game().value(item, QByteArray(key)).value_or("-"));
    }

    TempGame game;
    Document document;
    std::map<std::pair<QString, int>, QString> shown;
};

} // namespace wed::test
