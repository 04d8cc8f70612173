#pragma once
// What the passes of a change set's plan share: the folder, the set, the byte changes worked out
// so far, and where the set puts the records it adds or moves. Each pass keeps one rule of the
// plan (plan_*.h); this holds the facts they hand each other.
#include "base/code_page.h"
#include "data/name_record.h"
#include "edit/line_splices.h"
#include "game/game_data.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace wed {

inline const QByteArray kCrLf = QByteArrayLiteral("\r\n");

// A change's byte change of one file, and the change it belongs to.
struct Edit {
    GameFile file;
    Splice splice;
    size_t change;
    size_t planned; // the change's turn in planning
    // Of the insertions at one place: before the others, in the order of their turns, or after
    // them.
    enum class Among { First, InTurn, Last } among = Among::InTurn;
    bool moved = false; // made on the lines of a record the set moves, which take it along

    // Where an insertion stands among those at its place, in file order.
    std::pair<int, size_t> rank() const { return {int(among), planned}; }
};

// Where a name record the set adds or moves goes.
struct NamePlace {
    NameRecordLines after; // the record it follows, or none
    bool first = false;    // following none: before the first record
};

struct PlanState {
    PlanState(const GameData& game, const ChangeSet& changes);

    const GameData& game;
    const ChangeSet& changes;
    ApplyPlan plan;
    std::vector<Edit> edits;
    size_t turn = 0; // of the change being planned

    // Where the records and name records the set adds go, for those added after them.
    QHash<QString, qsizetype> addedAfter;
    QHash<QString, NamePlace> namesAfter;
    // Of each id (by its first reference), where the last record the set adds of it goes.
    QHash<QString, qsizetype> addedOfId;
    // Where the records the set moves go, by their reference.
    QHash<QString, qsizetype> movedTo;
    // The records without their end line the set writes, and the line their change reaches.
    QHash<QString, qsizetype> replacedUntil;
    // The header lines of records the set writes without, and with, their end line.
    QSet<qsizetype> openAfter, closedAfter;

    const LineBuffer& items() const { return game.items(); }
    const LineBuffer& names() const { return game.names(); }
    const LineBuffer& buffer(GameFile file) const {
        return file == GameFile::Items ? items() : names();
    }

    // The header line of an item of the folder; a set of many changes looks those of its own
    // items up all at once.
    qsizetype headerOf(const ItemRef& item) const { return game.headerOf(item); }
    qsizetype headerOf(size_t change) const {
        return headers_.empty() ? headerOf(changes[change].item) : headers_[change];
    }
    // Whether the record at the header line is one the set removes.
    bool removed(qsizetype header) const {
        return std::binary_search(removed_.begin(), removed_.end(), header);
    }

    void add(GameFile file, Splice splice, size_t change);
    void refuse(Outcome outcome) { plan.outcome = std::move(outcome); }
    void conflict(size_t change) { plan.results[change].state = ChangeState::Conflict; }

    // Three-way: the folder's bytes are the base (made), the new bytes (nothing to do), or
    // anything else (a conflict).
    template <typename T>
    bool threeWay(size_t i, const std::optional<T>& current, const std::optional<T>& base,
                  const std::optional<T>& now) {
        ChangeResult& result = plan.results[i];
        if constexpr (std::is_same_v<T, QByteArray>)
            result.current = current;
        else
            result.currentLines = current;
        if (current == base && base != now)
            return true;
        result.state = current == now ? ChangeState::AlreadyThere : ChangeState::Conflict;
        return false;
    }

  private:
    std::vector<qsizetype> headers_; // of the changes' items, for a set of many
    std::vector<qsizetype> removed_; // the header lines of the records the set removes
};

// A refusal of the whole plan, for the change of the item, with what it names.
Outcome planRefusal(Status status, const ItemRef& item, QString detail = {});

} // namespace wed
