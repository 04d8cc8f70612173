#pragma once

#include "data/item_ref.h"

#include <QString>
#include <optional>
#include <vector>

namespace wed {

// What the window needs to show a step of the history again; the model's history holds only
// the bytes a step changed.

// Where a step shows, on one side of it: the item (as it is named on that side), the field of
// its category whose text the step changed, and that text.
struct StepPlace {
    std::optional<ItemRef> item; // none: the step shows no item there (a removed one)
    int field = -1;              // -1: no field text to put back
    QString text{};
};

// A cell of a table edit: a field of an item, with its text on either side of the step.
struct StepCell {
    ItemRef item;
    int field = -1;
    QString before;
    QString after;
};

// The history line of a field's step: the item, the field's caption, the old and the new text.
QString fieldStepText(const ItemRef& item, int field, const QString& before, const QString& after);

// The history line of a recipe's step: the recipe's name.
QString recipeStepText(const QString& recipe);

} // namespace wed
