#include "app/shown_words.h"

#include <QCoreApplication>

namespace wed {

QString shownWord(const Category& category) {
    return QCoreApplication::translate("Category", category.word.toUtf8().constData());
}

QString shownCaption(const FieldSpec& field) {
    return QCoreApplication::translate("Field", field.caption.toUtf8().constData());
}

QString shownHalfCaption(const FieldSpec& field, int half) {
    return QCoreApplication::translate("Field", field.halves[size_t(half)].toUtf8().constData());
}

QString shownChoice(const QString& entry) {
    return QCoreApplication::translate("Choice", entry.toUtf8().constData());
}

} // namespace wed
