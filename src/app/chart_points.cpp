#include "app/chart_points.h"

#include "app/category_sheet.h"
#include "app/comparison.h"
#include "app/item_find.h"
#include "data/item_fields.h"
#include "data/item_ref.h"
#include "data/pair_value.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace wed {
namespace {

struct ChartWords {
    Q_DECLARE_TR_FUNCTIONS(ChartWords)
};

QString numberText(std::optional<double> value) {
    return value ? chartNumberText(*value) : QString();
}

std::optional<double> numberOf(const SortKey& key) {
    if (key.group != SortKey::Group::Number || !std::isfinite(key.number))
        return std::nullopt;
    return key.number;
}

} // namespace

ChartPoints::ChartPoints(Document& document, CategoryId category, QObject* parent)
    : QObject(parent), document_(document), table_(document, category) {
    // After the table's own connections: its cells are the files' by then.
    connect(&document_, &Document::filesChanged, this, &ChartPoints::follow);
    connect(&document_, &Document::filesReplaced, this, [this] {
        makeStale(Stale::All);
        emit pointsReset();
    });
}

// Number fields, either number of a pair, and every computed column (whose values may be
// numbers).
std::vector<int> ChartPoints::numericColumns() const {
    std::vector<int> numeric;
    const CategoryFields& fields = categoryFields(category());
    for (int column = 0; column < table_.columnCount(); ++column) {
        const TableColumn& shown = table_.columns().at(column);
        if (shown.kind == TableColumn::Kind::Computed ||
            (shown.kind == TableColumn::Kind::Field &&
             (fields.fields[size_t(shown.field)].type == ValueType::Number || shown.half >= 0)))
            numeric.push_back(column);
    }
    return numeric;
}

void ChartPoints::setRules(Rules* rules) {
    const int computed = table_.columns().firstComputed();
    rules_ = rules;
    table_.setRules(rules);
    // A computed column may be gone, or another in its place.
    for (int& column : columns_)
        if (column >= computed)
            column = -1;
    makeStale(Stale::All);
    emit columnsChanged();
    emit pointsReset();
}

void ChartPoints::setAxes(int xColumn, int yColumn) {
    columns_ = {xColumn, yColumn};
    makeStale(Stale::All);
    emit pointsReset();
}

void ChartPoints::setLogScales(bool x, bool y) {
    log_ = {x, y};
    makeStale(Stale::Points);
    emit pointsReset();
}

void ChartPoints::setFind(const QString& text) {
    if (text == find_)
        return;
    find_ = text;
    makeStale(Stale::Points);
    emit pointsReset();
}

void ChartPoints::setComparison(const Comparison* comparison) {
    if (comparison_)
        disconnect(comparison_, nullptr, this, nullptr);
    comparison_ = comparison;
    table_.setComparison(comparison);
    if (comparison_)
        connect(comparison_, &Comparison::baseSet, this, [this] {
            makeStale(Stale::Base);
            emit pointsReset();
        });
    makeStale(Stale::Base);
    emit pointsReset();
}

void ChartPoints::setFlagged(const QSet<QString>& items) {
    flagged_ = items;
    if (stale_ != Stale::None)
        return; // the points to come take the marks
    bool changed = false;
    std::vector<int> moved;
    for (size_t i = 0; i < points_.size(); ++i) {
        const bool flagged = flagged_.contains(refText(table_.item(points_[i].row)));
        changed = changed || flagged != points_[i].flagged;
        if (flagged != points_[i].flagged)
            moved.push_back(int(i));
        points_[i].flagged = flagged;
    }
    if (changed)
        emit pointsMoved(moved);
}

int ChartPoints::pointOfRow(int row) const {
    const std::vector<int>& of = read().pointOfRow_;
    return row >= 0 && size_t(row) < of.size() ? of[size_t(row)] : -1;
}

const ChartPoints& ChartPoints::read() const {
    switch (stale_) {
    case Stale::All:
        readAll();
        [[fallthrough]];
    case Stale::Base:
        readBase();
        [[fallthrough]];
    case Stale::Points:
        assemble();
        [[fallthrough]];
    case Stale::None:
        break;
    }
    stale_ = Stale::None;
    return *this;
}

// Every row's numbers, as the table sorts them, both axes' read in one pass over the record.
void ChartPoints::readAll() const {
    const int rows = table_.rowCount();
    std::vector<int> columns;
    for (size_t axis = 0; axis < 2; ++axis) {
        values_[axis].assign(size_t(rows), std::nullopt);
        if (columns_[axis] >= 0)
            columns.push_back(columns_[axis]);
    }
    if (columns.empty())
        return;
    for (int row = 0; row < rows; ++row) {
        const std::vector<SortKey> keys = table_.makeSortKeys(row, columns);
        for (size_t axis = 0, key = 0; axis < 2; ++axis)
            if (columns_[axis] >= 0)
                values_[axis][size_t(row)] = numberOf(keys[key++]);
    }
}

void ChartPoints::readBase() const {
    const bool active = comparison_ && comparison_->active();
    for (size_t axis = 0; axis < 2; ++axis) {
        baseValues_[axis].assign(size_t(table_.rowCount()), std::nullopt);
        if (active && columns_[axis] >= 0)
            for (int row = 0; row < table_.rowCount(); ++row)
                baseValues_[axis][size_t(row)] = baseNumber(row, columns_[axis]);
    }
}

std::optional<double> ChartPoints::cellNumber(int row, int column) const {
    return numberOf(table_.makeSortKey(row, column));
}

// A field's number in the base's record, read as the table reads the cell; a computed
// column's, its rule's on the base's record (whose base is itself). None where the base lacks
// the item or the key.
std::optional<double> ChartPoints::baseNumber(int row, int column) const {
    const TableColumn& shown = table_.columns().at(column);
    const ItemRef item = table_.item(row);
    if (shown.kind == TableColumn::Kind::Computed) {
        if (!rules_ || !comparison_->baseHas(item))
            return std::nullopt;
        const GameData& base = comparison_->base();
        const ColumnValue value = rules_->column(shown.computed, base, item, &base);
        if (value.error || value.kind != ColumnValue::Kind::Number || !std::isfinite(value.number))
            return std::nullopt;
        return value.number;
    }
    if (shown.kind != TableColumn::Kind::Field)
        return std::nullopt;
    const FieldSpec& field = categoryFields(category()).fields[size_t(shown.field)];
    const std::optional<QByteArray> value = comparison_->baseValue(item, field.name());
    if (!value)
        return std::nullopt;
    const QString text = QString::fromLatin1(*value);
    bool number = false;
    const double read = (shown.half < 0 ? text.section(u' ', 0, 0, QString::SectionSkipEmpty)
                                        : pairHalf(text, shown.half))
                            .toDouble(&number);
    return number && std::isfinite(read) ? std::optional(read) : std::nullopt;
}

// One row's numbers read again; whether they changed.
bool ChartPoints::readRow(int row) {
    bool changed = false;
    for (size_t axis = 0; axis < 2; ++axis) {
        const std::optional<double> now =
            columns_[axis] < 0 ? std::nullopt : cellNumber(row, columns_[axis]);
        changed = changed || now != values_[axis][size_t(row)];
        values_[axis][size_t(row)] = now;
    }
    return changed;
}

// The points from the rows' numbers: the find text, numbers on both axes, logarithms.
void ChartPoints::assemble() const {
    points_.clear();
    pointOfRow_.assign(size_t(table_.rowCount()), -1);
    withoutNumber_ = notPositive_ = 0;
    axisHasNumbers_ = {false, false};
    for (int row = 0; row < table_.rowCount(); ++row) {
        if (!find_.isEmpty() && !findMatches(find_, table_.entry(row).id, table_.nameOf(row)))
            continue;
        const std::optional<double> x = values_[0][size_t(row)], y = values_[1][size_t(row)];
        axisHasNumbers_[0] = axisHasNumbers_[0] || x;
        axisHasNumbers_[1] = axisHasNumbers_[1] || y;
        if (!x || !y) {
            ++withoutNumber_;
            continue;
        }
        if ((log_[0] && !(*x > 0)) || (log_[1] && !(*y > 0))) {
            ++notPositive_;
            continue;
        }
        pointOfRow_[size_t(row)] = int(points_.size());
        points_.push_back({row, *x, *y, baseValues_[0][size_t(row)], baseValues_[1][size_t(row)],
                           !flagged_.isEmpty() && flagged_.contains(refText(table_.item(row))),
                           false, 0});
    }
    fit();
}

// The line through the points in the axes' scale, and how far each point lies from it.
void ChartPoints::fit() const {
    std::vector<double> x(points_.size()), y(points_.size());
    for (size_t i = 0; i < points_.size(); ++i) {
        x[i] = log_[0] ? std::log10(points_[i].x) : points_[i].x;
        y[i] = log_[1] ? std::log10(points_[i].y) : points_[i].y;
    }
    line_ = fitRobustLine(x, y);
    for (size_t i = 0; i < points_.size(); ++i) {
        points_[i].outlier = line_.drawn() && line_.outlier[i];
        points_[i].distance = line_.drawn() ? line_.distance(i) : 0;
    }
}

// An edit costs the rows it changed: their points move, or the set of points changes.
void ChartPoints::follow(const FilesChanged& changed) {
    if (changed.linesMoved[size_t(GameFile::Items)]) {
        makeStale(Stale::All);
        return emit pointsReset();
    }
    if (changed.changed[size_t(GameFile::Names)]) {
        emit namesChanged();
        // A rule may read the names: a computed axis is read again.
        const int computed = table_.columns().firstComputed();
        if (columns_[0] >= computed || columns_[1] >= computed) {
            makeStale(Stale::All);
            return emit pointsReset();
        }
    }
    if (!changed.changed[size_t(GameFile::Items)] || stale_ == Stale::All)
        return; // nothing read to keep up
    if (stale_ != Stale::None) {
        for (const int row : changedRows(changed.made[size_t(GameFile::Items)]))
            readRow(row);
        makeStale(Stale::Points);
        return emit pointsReset();
    }
    std::vector<int> moved;
    bool others = false;
    for (const int row : changedRows(changed.made[size_t(GameFile::Items)])) {
        if (!readRow(row))
            continue;
        const int point = pointOfRow(row);
        const bool shown = values_[0][size_t(row)] && values_[1][size_t(row)];
        if (point < 0 || !shown) {
            others = true; // a point comes or goes
            continue;
        }
        points_[size_t(point)].x = *values_[0][size_t(row)];
        points_[size_t(point)].y = *values_[1][size_t(row)];
        moved.push_back(point);
    }
    if (others) {
        assemble();
        return emit pointsReset();
    }
    if (moved.empty())
        return;
    // A value a logarithmic axis cannot show takes its point away.
    for (const int point : moved)
        if ((log_[0] && !(points_[size_t(point)].x > 0)) ||
            (log_[1] && !(points_[size_t(point)].y > 0))) {
            assemble();
            return emit pointsReset();
        }
    fit();
    emit pointsMoved(moved);
}

// The rows whose records hold a changed line, found in the table's rows: listing the whole
// file again on every keystroke would cost more than all the rest of following it.
std::vector<int> ChartPoints::changedRows(const Splices& made) const {
    std::vector<int> rows;
    for (const Splice& splice : made)
        if (const int row = table_.rowOfLine(document_.game().items().lineAt(splice.offset));
            row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString chartNumberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray chartSheet(const ChartPoints& chart) {
    const CategoryTable& table = chart.table();
    const QString x = table.headerData(chart.xColumn(), Qt::Horizontal).toString();
    const QString y = table.headerData(chart.yColumn(), Qt::Horizontal).toString();
    std::vector<QStringList> lines{{sheetItemHeading(), sheetNameHeading(), x, y,
                                    ChartWords::tr("原版%1").arg(x),
                                    ChartWords::tr("原版%1").arg(y), ChartWords::tr("离群点")}};
    for (const ChartPoints::Point& point : chart.points())
        lines.push_back({refText(table.item(point.row)), table.nameOf(point.row),
                         numberText(point.x), numberText(point.y), numberText(point.baseX),
                         numberText(point.baseY),
                         point.outlier ? ChartWords::tr("是") : QString()});
    return csvSheet(lines);
}

} // namespace wed
