#pragma once

#include "app/category_table.h"
#include "data/robust_line.h"

#include <QSet>
#include <algorithm>
#include <optional>
#include <vector>

namespace wed {

class Comparison;

// The points of a chart of two numeric columns of a category's table: one per listed item that
// the find text lets through and whose values on both axes are numbers (positive on a
// logarithmic axis), with its base values where a comparison has them, and the robust line
// through them in the axes' scale with its outliers. It reads the cells of both axes in one
// pass, when its points are first asked for after the axes, the scales, the find text or the
// base changed (a window sets them all before it is shown: the numbers are read once); an
// edit of the files costs the cells of the rows it changed.
class ChartPoints : public QObject {
    Q_OBJECT
  public:
    ChartPoints(Document& document, CategoryId category, QObject* parent = nullptr);

    CategoryTable& table() { return table_; }
    const CategoryTable& table() const { return table_; }
    CategoryId category() const { return table_.category(); }
    // The columns an axis may show: the table's columns of numbers, in its order.
    std::vector<int> numericColumns() const;

    void setAxes(int xColumn, int yColumn);
    int xColumn() const { return columns_[0]; }
    int yColumn() const { return columns_[1]; }
    void setLogScales(bool x, bool y);
    bool logScale(int axis) const { return log_[size_t(axis)]; }
    void setFind(const QString& text);
    // The base the arrows start from; null for none. Followed as it changes. A computed
    // column's base value is the rule's on the base's record of the item.
    void setComparison(const Comparison* comparison);
    // The rules whose computed columns an axis may show; null for none. An axis whose column
    // is gone shows no column.
    void setRules(Rules* rules);
    // The references (refText) of the items a check flags.
    void setFlagged(const QSet<QString>& items);

    struct Point {
        int row = 0; // of the table
        double x = 0;
        double y = 0;
        std::optional<double> baseX;
        std::optional<double> baseY;
        bool flagged = false;
        bool outlier = false;
        double distance = 0; // from the line, in the axes' scale
    };
    const std::vector<Point>& points() const { return read().points_; }
    const RobustLine& line() const { return read().line_; }
    // The point of a table row, or -1.
    int pointOfRow(int row) const;
    // Rows the find text lets through whose value on an axis is no number; of the others,
    // those a logarithmic axis leaves out (a value not above 0); rows with no number at all on
    // an axis, per axis.
    int withoutNumber() const { return read().withoutNumber_; }
    int notPositive() const { return read().notPositive_; }
    bool axisHasNumbers(int axis) const { return read().axisHasNumbers_[size_t(axis)]; }

  signals:
    // Other points than before: every point is to be drawn again.
    void pointsReset();
    // These points moved; the line and the outliers were found again.
    void pointsMoved(const std::vector<int>& points);
    // The names changed; the points did not.
    void namesChanged();
    // Other columns to choose from (the rules were read again).
    void columnsChanged();

  private:
    // What is to be worked out again before the points are given, each step with those after
    // it: every number, the base's numbers, the points from the numbers.
    enum class Stale { None, Points, Base, All };
    void makeStale(Stale stale) { stale_ = std::max(stale_, stale); }
    // This, with the points brought up to date.
    const ChartPoints& read() const;
    void readAll() const;
    void readBase() const;
    bool readRow(int row);
    std::optional<double> cellNumber(int row, int column) const;
    std::optional<double> baseNumber(int row, int column) const;
    void assemble() const;
    void fit() const;
    void follow(const FilesChanged& changed);
    std::vector<int> changedRows(const Splices& made) const;

    Document& document_;
    CategoryTable table_;
    const Comparison* comparison_ = nullptr;
    Rules* rules_ = nullptr;
    std::array<int, 2> columns_{-1, -1};
    std::array<bool, 2> log_{false, false};
    QString find_;
    QSet<QString> flagged_;
    // Worked out from the settings above when asked for (read() is const).
    mutable Stale stale_ = Stale::All;
    // Per table row: the two axes' numbers and their base numbers.
    mutable std::array<std::vector<std::optional<double>>, 2> values_;
    mutable std::array<std::vector<std::optional<double>>, 2> baseValues_;
    mutable std::vector<Point> points_;
    mutable std::vector<int> pointOfRow_;
    mutable RobustLine line_;
    mutable int withoutNumber_ = 0;
    mutable int notPositive_ = 0;
    mutable std::array<bool, 2> axisHasNumbers_{false, false};
};

// A value as the chart shows and exports it: as short as it reads back the same.
QString chartNumberText(double value);

// The plotted points as CSV (as the table's sheets are written): each item's reference, name,
// x, y, base x, base y (empty without), and whether it is an outlier.
QByteArray chartSheet(const ChartPoints& chart);

} // namespace wed
