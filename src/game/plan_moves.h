#pragma once
// Moves: a record, or a name record, three-way on the one it follows, taking the set's other
// changes of it along.
#include "game/plan_state.h"

namespace wed {

class MovePass {
  public:
    explicit MovePass(PlanState& state) : s_(state) {}

    void move(size_t i);
    void nameMove(size_t i);
    // A move that puts its record past another record of its id that the set keeps makes its
    // reference name that one after the set, which may then stand where it stood (one of
    // identical records, or the next one right after it): a second apply would move that one
    // too. Such a move cannot be told made or not: a conflict, its record left where it is.
    // Runs once all changes are planned, when every moved record's place is known.
    void keepOccurrences();

  private:
    bool moveThreeWay(size_t i, const std::optional<ItemRef>& current, bool placed);
    std::optional<ItemRef> recordBefore(qsizetype header);
    std::optional<ItemRef> nameRecordBefore(qsizetype opening);
    // A move made: its change, its turn, the line it goes after, the byte changes it took along.
    struct Made {
        size_t change;
        size_t turn;
        qsizetype place;
        std::vector<size_t> taken;
    };
    std::optional<size_t> renumbered(const std::vector<Made>& moves) const;
    std::optional<Lines> takeChangesOf(qsizetype header, qsizetype last,
                                       std::vector<size_t>& taken);
    void findEarlierEdits();

    PlanState& s_;
    // The byte changes made before the moves, by the header of their record or the id of their
    // name record (a name record's change is one replacement).
    bool editsFound_ = false;
    QHash<qsizetype, std::vector<size_t>> editsOfRecord_;
    QHash<QString, qsizetype> nameEdits_;
    QHash<QString, std::vector<Made>> made_;               // by the first reference of their id
    std::vector<RecordEntry> inFileOrder_;                 // every record, found at the first move
    std::vector<std::pair<qsizetype, QString>> nameOrder_; // name records' openings
};

} // namespace wed
