#include "app/computed_cells.h"

#include "app/rule_text.h"

#include <algorithm>

namespace wed {
namespace {

bool stops(const RuleError& error) {
    return error.fault == RuleFault::Budget || error.fault == RuleFault::Memory;
}

} // namespace

void ComputedCells::reset(Rules* rules, CategoryId category, size_t rows) {
    rules_ = rules;
    columnRules_.clear();
    for (size_t rule = 0; rules_ && rule < rules_->columns().size(); ++rule)
        if (rules_->columns()[rule].category == category)
            columnRules_.push_back(int(rule));
    failures_.assign(columnRules_.size(), std::nullopt);
    rows_.assign(rows, {});
}

const QString& ComputedCells::name(size_t column) const {
    return rules_->columns()[size_t(columnRules_[column])].name;
}

const ColumnValue& ComputedCells::value(size_t row, size_t column, const GameData& game,
                                        const ItemRef& item, const GameData* base) {
    std::vector<std::optional<ColumnValue>>& cells = rows_[row];
    if (cells.empty())
        cells.resize(columnRules_.size());
    std::optional<ColumnValue>& cell = cells[column];
    if (cell)
        return *cell;
    std::optional<ColumnFailures>& failed = failures_[column];
    if (stopAtLimits_ && failed && stops(failed->first)) {
        cell.emplace();
        cell->error = failed->first;
    } else {
        cell = rules_->column(columnRules_[column], game, item, base);
    }
    if (cell->error && !failed)
        failed = ColumnFailures{*cell->error, 0};
    if (cell->error)
        ++failed->cells;
    return *cell;
}

void ComputedCells::forgetRow(size_t row) {
    rows_[row].clear();
}

void ComputedCells::forgetAll() {
    for (std::vector<std::optional<ColumnValue>>& cells : rows_)
        cells.clear();
}

std::vector<ComputedColumn>
sheetColumns(const ComputedCells& cells, const std::vector<ListEntry>& rows,
             std::function<const ColumnValue&(size_t row, size_t column)> cell) {
    std::vector<ComputedColumn> sheet;
    for (size_t column = 0; column < cells.size(); ++column)
        sheet.push_back({cells.name(column), [&rows, cell, column](const ListEntry& entry) {
                             const auto row =
                                 std::lower_bound(rows.begin(), rows.end(), entry.headerLine,
                                                  [](const ListEntry& r, qsizetype line) {
                                                      return r.headerLine < line;
                                                  });
                             return columnValueText(cell(size_t(row - rows.begin()), column));
                         }});
    return sheet;
}

} // namespace wed
