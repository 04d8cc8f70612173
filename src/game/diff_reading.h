#pragma once

#include "data/name_record.h"
#include "game/game_data.h"

#include <QByteArrayView>
#include <optional>
#include <vector>

// What a diff of two folders reads of each: its records, its name records, the lines outside
// both, and which records keep their place. For the diff alone.
namespace wed::diff {

// The lines of two files that differ (indexes, in order), when the files hold as many lines:
// every other line is the same line in the same place. Found by comparing the bytes a long run
// at a time, not line by line. None when the files hold different numbers of lines.
std::optional<std::vector<qsizetype>> differingLines(const LineBuffer& a, const LineBuffer& b);
// Whether a line may stand in another's place without moving where any record or name record
// begins or ends: it is not empty, and no record header, end line (by either rule) or name
// opening.
bool inertLine(QByteArrayView line);

// Every record of the folder in file order, with its category.
std::vector<RecordEntry> recordsOf(const GameData& game);
// Every record of the folder in file order, by its lines alone: its ref holds the category but
// no id, which is decoded only when a change names the record.
std::vector<RecordEntry> recordSpansOf(const GameData& game);

// The first name record of every id, in file order: its lines, and its id (decoded only for
// the base, whose ids every change names; a folder's are decoded when a change needs one).
struct NameEntry {
    QString id;
    NameRecordLines lines;
    QByteArrayView opening; // the "<id>" line's bytes
};
QString idOf(const NameEntry& entry);
std::vector<NameEntry> nameRecordsOf(const GameData& game, bool withIds = true);

// The lines of a file that belong to no record, in order (the name file's empty lines, which
// only end its records, left out).
std::vector<QByteArrayView> outside(const GameData& game, GameFile file,
                                    const std::vector<RecordEntry>& records,
                                    const std::vector<NameEntry>& nameRecords);

// Of the base's records (each with the index of the folder's record it is, -1 for none), those
// that keep their place: the longest run that stands in the same order in both folders.
std::vector<bool> keptInOrder(const std::vector<qsizetype>& match);

} // namespace wed::diff
