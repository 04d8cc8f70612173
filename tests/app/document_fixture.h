#pragma once

#include "app/document.h"
#include "data/item_fields.h"
#include "support/qt_printers.h"
#include "support/temp_game.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace wed::test {

// The index of a field in its category's table, by the object name of its control.
inline int fieldIndex(CategoryId category, const char* control) {
    const auto& fields = categoryFields(category).fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (qstrcmp(fields[i].control, control) == 0)
            return int(i);
    throw std::invalid_argument(control);
}

// A document on a game folder of the test's own.
class DocumentFixture : public testing::Test {
  protected:
    QByteArray items() const { return game.readFile(QStringLiteral("weapon.cfg")); }

    // Opens weapon.cfg for a category ("武器", "装甲", "晶体") and shows the entry of the list.
    void show(const QString& word, int row) {
        document.setCategoryWord(word);
        ASSERT_FALSE(document.open(game.path(QStringLiteral("weapon.cfg"))).refused());
        ASSERT_LT(row, int(document.entries().size()));
        document.showItem(row);
    }

    Outcome type(CategoryId category, const char* control, const QString& text,
                 EditKind kind = EditKind::Typing) {
        return document.setFieldText(category, fieldIndex(category, control), text, kind);
    }
    // Typing a text key by key, as a user does after selecting the field's text.
    void typeKeys(CategoryId category, const char* control, const QString& text) {
        for (qsizetype n = 1; n <= text.size(); ++n)
            ASSERT_TRUE(type(category, control, text.left(n)).done()) << text.left(n).toStdString();
    }
    QString shownText(CategoryId category, const char* control) const {
        const auto& panel = document.panel(category);
        return panel ? panel->texts[size_t(fieldIndex(category, control))] : QString();
    }

    TempGame game;
    Document document;
};

} // namespace wed::test
