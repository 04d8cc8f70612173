#pragma once

#include "game/change_set.h"
#include "game/game_data.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace wed {

// A merge of a mod list: the base game folder and mods in priority order (a later mod wins
// over an earlier one). Each mod is a change set against the base; the merge decides, for
// every thing any mod changes, which value the merged folder gets. Pure: no file is read or
// written here (mod_read.h reads the mods, the command writes the result).

// A picture file of a mod's Images/weapon that the base lacks or holds other bytes of.
struct ModPicture {
    QString name;     // the file's name as the mod spells it ("a.tga")
    QString path;     // where the mod's file is, to copy it from
    QByteArray bytes; // its bytes
};

// Why something of a mod cannot be carried into the merge. It is reported, never dropped
// silently.
enum class NotCarriedWhy {
    Undecodable,   // a line holds bytes the code page cannot decode (line, file)
    LoneLineBreak, // a line holds a lone CR or LF (line, file)
    OutsideLines,  // the mod's lines outside every record differ from the base's (file)
};

struct NotCarried {
    int mod = 0; // index in the mod list, from 0
    NotCarriedWhy why = NotCarriedWhy::Undecodable;
    GameFile file = GameFile::Items;
    qsizetype line = 0; // from 1, in the mod's file; 0 for the file as a whole
    QString item;       // the item or name record whose change it was, as a choice names it
};

// One mod of the list, read: its changes against the base and what of it cannot be carried.
struct ModChanges {
    ChangeSet changes;
    // Per change of `changes`: the base does not hold the change's base value (a patch made
    // for another version of the game). Empty: none.
    std::vector<bool> otherVersion;
    std::vector<NotCarried> notCarried;
    std::vector<ModPicture> pictures; // a folder's pictures that differ from the base's
};

// What a decision is about.
enum class MergeWhat {
    Key,      // one key line of an item: `item`, `key`, `keyOccurrence`
    Record,   // an item's whole record (changed as a whole, removed, or several kinds at once)
    Add,      // a record the base lacks, by its reference in the mods
    Move,     // where an item's record stands (its value: the record it follows)
    Names,    // the name record of an id (`item.id`)
    NameMove, // where the name record of an id stands
    Picture,  // a file of Images/weapon (`picture`)
};

// One mod's value of a decision.
struct MergeValue {
    bool changed = false; // the mod changes it; false: the mod leaves it as the base has it
    // The value: a key's value as one line, a record's or name record's lines; none for no
    // such line or record (removed, or absent). Moves: none; see `after`.
    std::optional<Lines> lines;
    std::optional<ItemRef> after; // Add, Names added, the moves: the record it follows
    QString picturePath;          // Picture: the mod's file (empty for the base's)
    QByteArray pictureBytes;      // Picture: its bytes
    bool otherVersion = false;    // the mod's change was made against another base: it
                                  // cannot be applied, and cannot win

    bool sameAs(const MergeValue& other) const {
        return lines == other.lines && after == other.after && pictureBytes == other.pictureBytes;
    }
};

enum class MergeStatus {
    Single,   // one mod changes it: its change
    Same,     // several mods change it to the same value
    Conflict, // several mods, different values (a removal against a change too), or a change
              // made for another version: the winner's value, the others lose
};

struct MergeDecision {
    MergeWhat what = MergeWhat::Key;
    ItemRef item;   // Names, NameMove: only the id counts
    QByteArray key; // Key
    int keyOccurrence = 1;
    QString picture;              // Picture: the file's name
    MergeValue base;              // the base's value
    std::vector<MergeValue> mods; // one per mod, in the list's order
    MergeStatus status = MergeStatus::Single;
    int winner = -1;     // the mod whose value the result takes; -1: the base's stays
    bool chosen = false; // the winner was chosen by the user, not by priority

    bool conflict() const { return status == MergeStatus::Conflict; }
    // A conflict still open: not chosen by the user (a choice names it by conflictName()).
    bool open() const { return conflict() && !chosen; }
    // Whether a mod's value loses: it changes the thing, and the result takes another value.
    bool loses(int mod) const;
};

// The name of a decision as the conflict lines and the choices write it: two columns, the
// item and what of it. The item is "weapon/pistol" for records and keys, "<id>" for name
// records, "Images/weapon/FILE" for pictures; what is the key ("Cost", "Cost#2"; a key spelt
// like one of the words below gets a backslash before it), "record" (also an added record),
// "move", "names", or "picture". Tab-separated, with the patch's escapes.
QString conflictName(const MergeDecision& decision);

// The user's choices: per conflict (by its conflictName()), the index (from 0) of the mod
// whose value wins.
using MergeChoices = QHash<QString, int>;

// A choice that could not be followed: it names no conflict of the merge, a mod the list does
// not have, a mod that does not change the thing, or a change made for another version.
struct ChoiceUnused {
    QString name;
    int mod = 0;
};

struct MergeResult {
    ChangeSet changes;                    // the merged set, against the base
    std::vector<MergeDecision> decisions; // every thing any mod changes, in first-seen order
    std::vector<NotCarried> notCarried;   // what of the mods cannot be carried
    std::vector<ModPicture> pictures;     // the pictures to write, each won by one mod
    std::vector<ChoiceUnused> unusedChoices;

    // The conflicts no choice decided: the merge command's exit status and --strict.
    qsizetype openConflicts() const;
    qsizetype conflicts() const;
};

// Merges the mods over the base: per thing changed, one mod's change, several mods' same
// change, or a conflict won by the highest priority (the last mod) unless a choice names
// another. Nothing identical to the base is written; every change of every mod is in the
// result or loses a decision. The same inputs give the same result.
MergeResult mergeMods(const GameData& base, const std::vector<ModChanges>& mods,
                      const MergeChoices& choices = {});

} // namespace wed
