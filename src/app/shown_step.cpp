#include "app/shown_step.h"

#include "app/shown_words.h"

#include <QCoreApplication>

namespace wed {
namespace {

struct StepWords {
    Q_DECLARE_TR_FUNCTIONS(StepWords)
};

} // namespace

QString fieldStepText(const ItemRef& item, int field, const QString& before, const QString& after) {
    const FieldSpec& declared = categoryFields(item.category).fields.at(size_t(field));
    return QStringLiteral("%1 · %2：%3 → %4")
        .arg(item.id, shownCaption(declared).trimmed(), before, after);
}

QString recipeStepText(const QString& recipe) {
    return StepWords::tr("配方 %1").arg(recipe);
}

} // namespace wed
