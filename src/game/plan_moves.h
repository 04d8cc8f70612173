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

  private:
    bool moveThreeWay(size_t i, const std::optional<ItemRef>& current, bool placed);
    bool keepsItsOccurrence(const ItemRef& item, qsizetype place);
    std::optional<ItemRef> recordBefore(qsizetype header);
    std::optional<ItemRef> nameRecordBefore(qsizetype opening);
    std::optional<Lines> takeChangesOf(qsizetype header, qsizetype last);
    void findEarlierEdits();

    PlanState& s_;
    // The byte changes made before the moves, by the header of their record or the id of their
    // name record (a name record's change is one replacement).
    bool editsFound_ = false;
    QHash<qsizetype, std::vector<size_t>> editsOfRecord_;
    QHash<QString, qsizetype> nameEdits_;
    QSet<QString> movedRefs_;                              // the references the set moves
    std::vector<RecordEntry> inFileOrder_;                 // every record, found at the first move
    std::vector<std::pair<qsizetype, QString>> nameOrder_; // name records' openings
};

} // namespace wed
