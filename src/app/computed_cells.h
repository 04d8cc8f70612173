#pragma once

#include "app/category_sheet.h"
#include "rules/rules.h"

#include <functional>
#include <optional>
#include <vector>

namespace wed {

// A computed column's first failure, and how many of its cells were computed with one.
struct ColumnFailures {
    RuleError first;
    int cells = 0;
};

// The values of a category's computed columns over its listed rows, each computed when first
// asked for (a cell shown, a column sorted, a line of a listing) and kept until its item
// changes: a keystroke costs one row's columns, and a table opens in the time of the rows it
// shows.
class ComputedCells {
  public:
    // Forgets every value, and takes the category's computed columns of the rules (none for
    // null) over `rows` rows.
    void reset(Rules* rules, CategoryId category, size_t rows);
    // For a listing run once: after a column has failed on its budget or memory limit, its
    // cells not computed yet take that failure without running, each of which would spend the
    // whole limit again.
    void stopAtLimits() { stopAtLimits_ = true; }

    size_t size() const { return columnRules_.size(); }
    const QString& name(size_t column) const;
    // The value of a computed column (its place among the category's) for the row's item.
    const ColumnValue& value(size_t row, size_t column, const GameData& game, const ItemRef& item,
                             const GameData* base);
    void forgetRow(size_t row);
    void forgetAll();
    // The column's failures since the reset; none when no cell failed.
    const std::optional<ColumnFailures>& failures(size_t column) const { return failures_[column]; }

  private:
    Rules* rules_ = nullptr;
    bool stopAtLimits_ = false;
    std::vector<int> columnRules_; // each column's index in Rules::columns()
    std::vector<std::optional<ColumnFailures>> failures_;
    std::vector<std::vector<std::optional<ColumnValue>>> rows_; // empty until a row is asked
};

// The cells' columns as a sheet writes them, over rows in file order: the sheet's entry is
// found among the rows by its header line, and its value read by `cell` (row, column).
std::vector<ComputedColumn>
sheetColumns(const ComputedCells& cells, const std::vector<ListEntry>& rows,
             std::function<const ColumnValue&(size_t row, size_t column)> cell);

} // namespace wed
