#include "app/recipe_changes.h"

#include "base/code_page.h"
#include "data/item_fields.h"
#include "edit/field_line.h"

namespace wed {
namespace {

// The key change as the file's values: which line of its key, the value there now and the
// value the field writes; none when it writes what is there.
std::optional<Change> valueChange(const GameData& game, const Change& typed) {
    const CategoryId category = typed.item.category;
    const qsizetype header = game.headerOf(typed.item);
    const FieldSpec& declared =
        categoryFields(category).fields[size_t(fieldOfKey(category, decodeAnsi(typed.key)))];
    const qsizetype line = game.keyLine(category, header, typed.key, 0);
    Change value = typed;
    value.isTyped = false;
    value.typed.clear();
    value.keyOccurrence = 1;
    while (game.keyLine(category, header, typed.key, value.keyOccurrence) != line)
        ++value.keyOccurrence;
    value.base = game.items().lineBytes(line).sliced(declared.key.size()).toByteArray();
    value.now = fieldLine(declared, typed.typed).line.sliced(declared.key.size());
    if (value.base == value.now)
        return std::nullopt;
    return value;
}

} // namespace

ChangeSet valueChanges(const GameData& game, const ChangeSet& changes) {
    ChangeSet values;
    for (const Change& change : changes) {
        if (change.kind != ChangeKind::Key)
            values.push_back(change);
        else if (std::optional<Change> value = valueChange(game, change))
            values.push_back(std::move(*value));
    }
    return values;
}

} // namespace wed
