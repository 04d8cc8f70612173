#pragma once

#include "rules/rules.h"

#include <optional>
#include <vector>

namespace wed {

// The values of a table's computed columns, each computed when first asked for (a cell shown,
// a column sorted) and kept until its item changes: a keystroke costs one row's columns, and
// a table opens in the time of the rows it shows.
class ComputedCells {
  public:
    // Forgets every value; `rules` may be null (no computed column).
    void reset(Rules* rules, size_t rows, size_t columns);
    // The value of a computed column (its place among the table's computed columns, and its
    // rule) for the row's item.
    const ColumnValue& value(size_t row, size_t column, int rule, const GameData& game,
                             const ItemRef& item, const GameData* base);
    void forgetRow(size_t row);
    void forgetAll();

  private:
    Rules* rules_ = nullptr;
    size_t columns_ = 0;
    std::vector<std::vector<std::optional<ColumnValue>>> rows_; // empty until a row is asked
};

} // namespace wed
