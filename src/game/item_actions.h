#pragma once

#include "game/game_data.h"

#include <QString>
#include <QStringList>

namespace wed {

// The name and description of an item as its name record holds them: the name line from its
// tenth character, and each description line, whole.
struct NameRecordText {
    QString name;
    QStringList description;
};

// What an item action changes: the change set, what the user must be told beside it (a
// shared name record), and the item that stands for it afterwards.
struct ItemAction {
    Outcome outcome; // a refusal, or done with what to tell
    ChangeSet changes;
    std::optional<ItemRef> result;
};

// Whether an item of the category may take the id: not empty, no blank at either end, no
// line break or control character, not one the game's special records keep, one the code
// page can hold, and not one the category has already.
Outcome checkNewId(const GameData& game, CategoryId category, const QString& id);

// A copy of the record under a new id, right after it, with a copy of its name record (or
// sharing one the new id already has).
ItemAction copyItem(const GameData& game, const ItemRef& source, const QString& newId);
// The record, and its name record unless another item of any category uses the id.
ItemAction removeItem(const GameData& game, const ItemRef& item);
// The header line changes, and the name record follows (copied instead while another item
// still uses the old id, shared when the new id has one).
ItemAction renameItem(const GameData& game, const ItemRef& item, const QString& newId);

// The item's name and description; none when the name file has no record for its id.
std::optional<NameRecordText> nameRecordText(const GameData& game, const ItemRef& item);
// The name record with the name and description lines replaced; the first nine characters of
// the name line stay as they are.
ItemAction setNameRecordText(const GameData& game, const ItemRef& item, const NameRecordText& text);

} // namespace wed
