#pragma once

#include "merge/merge_output.h"
#include "merge/mod_list_file.h"
#include "merge/mod_merge.h"

#include <QJsonObject>
#include <QString>

namespace wed {

// The user's words for a merge of mods, for the command line and the mod list window.

// Why the list or its output folder is refused.
QString describeInputFault(const MergeInputCheck& check);
// What is wrong with a mod list file (`path`) or a choices file.
QString describeModListFault(const ModListRead& read, const QString& path);
// What of a mod (at `modPath`, number `mod` + 1 in the list) cannot be carried.
QString describeNotCarried(const NotCarried& item, const QString& modPath);
// A change of a patch whose base value the base does not hold.
QString describeOtherVersion(const MergeDecision& decision, int mod, const QString& modPath);
// A choice that names no conflict the merge has, or a mod that cannot win it.
QString describeUnusedChoice(const ChoiceUnused& choice);
// What the merge tells beside its result, one line each: what was not carried, changes made
// for another version, choices not used.
QString mergeNotes(const MergeResult& result, const std::vector<ModSource>& sources);
// How a mod's value stands in a decision: the same as the base, changed by this mod alone, the
// same as another mod, winning a conflict, losing a conflict (also the cells' accessible
// descriptions).
QString describeRole(const MergeDecision& decision, int mod);

// A decision's line, tab-separated: the conflict's name (conflictName()), each mod's value in
// order ("=" where it leaves the base's, the patch's escapes otherwise; a picture as
// "sha1:" the start of its bytes' SHA-1 and ":" their size),
// and the winner's number from 1 (0: the base's value stays).
QString decisionLine(const MergeDecision& decision);
// A decision as JSON: what, item, key, base, per mod its value, status, winner, chosen.
QJsonObject decisionJson(const MergeDecision& decision);

} // namespace wed
