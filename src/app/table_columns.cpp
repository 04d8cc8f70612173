#include "app/table_columns.h"

#include "app/rule_text.h"
#include "app/shown_words.h"
#include "data/item_fields.h"
#include "rules/rules.h"

#include <QCoreApplication>

namespace wed {

TableColumns::TableColumns(CategoryId category, const Rules* rules)
    : category_(category), rules_(rules) {
    using K = TableColumn::Kind;
    columns_ = {{K::Id}, {K::Name}};
    const std::vector<FieldSpec>& fields = categoryFields(category).fields;
    for (int field = 0; field < int(fields.size()); ++field) {
        if (fields[size_t(field)].type != ValueType::Pair) {
            columns_.push_back({K::Field, field});
            continue;
        }
        columns_.push_back({K::Field, field, 0});
        columns_.push_back({K::Field, field, 1});
    }
    firstComputed_ = count();
    if (!rules_)
        return;
    const std::vector<ColumnRule>& computed = rules_->columns();
    for (int rule = 0; rule < int(computed.size()); ++rule)
        if (computed[size_t(rule)].category == category)
            columns_.push_back({K::Computed, -1, -1, rule});
}

int TableColumns::columnOf(int field, int half) const {
    for (int column = firstComputed_ - 1; column >= 0; --column)
        if (at(column).kind == TableColumn::Kind::Field && at(column).field == field &&
            at(column).half == half)
            return column;
    return -1;
}

QString TableColumns::heading(int column) const {
    const TableColumn& shown = at(column);
    switch (shown.kind) {
    case TableColumn::Kind::Id:
        return QCoreApplication::translate("wed::CategoryTable", "编号");
    case TableColumn::Kind::Name:
        return QCoreApplication::translate("wed::CategoryTable", "名字");
    case TableColumn::Kind::Computed:
        return rules_->columns()[size_t(shown.computed)].name;
    case TableColumn::Kind::Field:
        break;
    }
    const FieldSpec& field = categoryFields(category_).fields[size_t(shown.field)];
    return (shown.half < 0 ? shownCaption(field) : shownHalfCaption(field, shown.half)).trimmed();
}

QString TableColumns::headingTip(int column) const {
    const TableColumn& shown = at(column);
    if (shown.kind == TableColumn::Kind::Computed) {
        const ColumnRule& rule = rules_->columns()[size_t(shown.computed)];
        return rulePlace(rule.file, rule.line);
    }
    if (shown.kind != TableColumn::Kind::Field)
        return {};
    return QString::fromLatin1(categoryFields(category_).fields[size_t(shown.field)].name());
}

} // namespace wed
