#include "app/computed_cells.h"

namespace wed {

void ComputedCells::reset(Rules* rules, size_t rows, size_t columns) {
    rules_ = rules;
    columns_ = columns;
    rows_.assign(rows, {});
}

const ColumnValue& ComputedCells::value(size_t row, size_t column, int rule, const GameData& game,
                                        const ItemRef& item, const GameData* base) {
    std::vector<std::optional<ColumnValue>>& cells = rows_[row];
    if (cells.empty())
        cells.resize(columns_);
    std::optional<ColumnValue>& cell = cells[column];
    if (!cell)
        cell = rules_->column(rule, game, item, base);
    return *cell;
}

void ComputedCells::forgetRow(size_t row) {
    rows_[row].clear();
}

void ComputedCells::forgetAll() {
    for (std::vector<std::optional<ColumnValue>>& cells : rows_)
        cells.clear();
}

} // namespace wed
