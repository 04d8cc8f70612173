#pragma once

#include "app/chart_points.h"
#include "plot/plot_marks.h"

#include <QAbstractListModel>
#include <vector>

namespace wed {

class ChartWindow;

// The list beside the chart: every plotted item, the outliers first (farthest first), then
// the others in the table's order; each row with the point's marks, for the keyboard and the
// screen reader.
class ChartList : public QAbstractListModel {
  public:
    explicit ChartList(const ChartWindow& window, QObject* parent)
        : QAbstractListModel(parent), window_(window) {}

    // The order again; true when it is the order before.
    bool reorder(const std::vector<ChartPoints::Point>& points);
    void setMarks(std::vector<PointMarks> marks) { marks_ = std::move(marks); }
    int pointAt(int row) const { return order_[size_t(row)]; }
    int rowOf(int point) const { return rowOf_[size_t(point)]; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(order_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override;
    void changed(int point) {
        const QModelIndex at = index(rowOf(point));
        emit dataChanged(at, at);
    }
    using QAbstractListModel::beginResetModel;
    using QAbstractListModel::endResetModel;

  private:
    static QPixmap picture(PointMarks marks);

    const ChartWindow& window_;
    std::vector<int> order_;
    std::vector<int> rowOf_;
    std::vector<PointMarks> marks_;
};

} // namespace wed
