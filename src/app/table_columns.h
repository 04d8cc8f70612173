#pragma once

#include "base/category.h"

#include <QString>
#include <vector>

namespace wed {

class Rules;

// One column of a category's table: the item's id, its name, a field (a pair's number on its
// own: `half` 0 or 1; -1 for the whole value), or a computed column of the rules.
struct TableColumn {
    enum class Kind { Id, Name, Field, Computed };
    Kind kind = Kind::Id;
    int field = -1;    // Field: the category's field
    int half = -1;     // Field: which number of a pair, or -1
    int computed = -1; // Computed: the rule's index in Rules::columns()
};

// Where each of a table's columns comes from: the id, the name, the fields in the format
// table's order (a pair as two columns), then the category's computed columns.
class TableColumns {
  public:
    static constexpr int kIdColumn = 0;
    static constexpr int kNameColumn = 1;

    TableColumns(CategoryId category, const Rules* rules);

    int count() const { return int(columns_.size()); }
    const TableColumn& at(int column) const { return columns_[size_t(column)]; }
    // The column of a field (a pair's `half`), or -1.
    int columnOf(int field, int half = -1) const;
    int firstComputed() const { return firstComputed_; }

    // The heading in the interface's language, and its tooltip: the key, or the rule's place.
    QString heading(int column) const;
    QString headingTip(int column) const;

  private:
    CategoryId category_;
    const Rules* rules_;
    std::vector<TableColumn> columns_;
    int firstComputed_ = 0;
};

} // namespace wed
