#pragma once

#include "game/game_data.h"
#include "merge/mod_merge.h"
#include "merge/mod_read.h"

#include <QString>

namespace wed {

// What a mod's value is in a decision of a merge, from the least to the most to look at: the
// base's (the mod leaves it), changed by this mod alone, the same as another mod's, winning a
// conflict, losing one.
enum class MergeCellRole { SameAsBase, ChangedAlone, SameAsOther, Wins, Loses };

MergeCellRole modCellRole(const MergeDecision& decision, int mod);
// The role the result's cell shows: the status of the decision.
MergeCellRole resultCellRole(const MergeDecision& decision);

// The user's words for a role, as an item's row says its worst (a mod's cell says its own with
// describeRole()).
QString roleText(MergeCellRole role);
// The result's words: the status and, for a conflict, who won and how.
QString resultText(const MergeDecision& decision, const std::vector<ModSource>& mods);

// A mod's or the base's value as a cell shows it: a key's value, a record's count of lines, a
// name record's name and description, the record a moved one follows, a picture's size.
QString valueCellText(const MergeDecision& decision, const MergeValue& value, const GameData& base);
// What of its item a decision is about: the field's caption or the key, the record, its place,
// its name record, or the picture's file name.
QString decisionWhatText(const MergeDecision& decision);
// The item a decision belongs to: its reference, "<id>" for a name record, or the picture.
QString decisionItemText(const MergeDecision& decision);
// The group of the tree a decision stands under: the category's word, the name records or the
// pictures.
QString decisionGroupText(const MergeDecision& decision);
// The short name of a mod for a column's heading: its number and its folder's or file's name.
QString modHeading(const std::vector<ModSource>& mods, int mod);

} // namespace wed
