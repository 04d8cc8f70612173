#pragma once

#include "game/game_data.h"

#include <QJsonObject>
#include <QString>

namespace wed {

// The user's words for a change of a change set (Chinese, one line): the item and the key with
// the old and the new value, a whole record, an item added after the record it follows or
// removed, a name record with its name and description as text, a typed value as typed.
// `names` is the folder whose layout reads a name record (by the category of an item with its
// id).
QString describeChange(const Change& change, const GameData& names);

// One side of a change, for a cell of a table: a key's value as it stands, a name record's name
// and description, a record's count of lines; "（无）" for none.
QString sideText(const Change& change, const std::optional<QByteArray>& value,
                 const std::optional<Lines>& lines, const GameData& names);

// A conflict: the change, the folder's value now, the base and the new value.
QString describeConflict(const Change& change, const ChangeResult& result, const GameData& names);

// A change as JSON: kind, item (or id), key and occurrence or place, base and new (a value, a
// record's lines, for a move the record it follows, or null).
QJsonObject changeJson(const Change& change);

// Where a moved record stands: after the record (or "<id>" name record) named, or "最前面".
QString placeText(const Change& change, const std::optional<ItemRef>& after);

// What a change concerns within its item: the field's caption for a key of a field of the
// category, else the key ("#K" for the K-th line of it), or the kind of the change.
QString changeFieldText(const Change& change);

// A value or lines as the user reads them: the text, or "（无）" for none.
QString valueText(const std::optional<QByteArray>& value);

} // namespace wed
