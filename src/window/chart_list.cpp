#include "window/chart_list.h"

#include "window/chart_window.h"

#include <QPixmap>
#include <algorithm>
#include <array>

namespace wed {

bool ChartList::reorder(const std::vector<ChartPoints::Point>& points) {
    std::vector<int> order;
    order.reserve(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        if (points[i].outlier)
            order.push_back(int(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return points[size_t(a)].distance > points[size_t(b)].distance;
    });
    for (size_t i = 0; i < points.size(); ++i)
        if (!points[i].outlier)
            order.push_back(int(i));
    if (order == order_)
        return true;
    order_ = std::move(order);
    rowOf_.assign(order_.size(), -1);
    for (size_t row = 0; row < order_.size(); ++row)
        rowOf_[size_t(order_[row])] = int(row);
    return false;
}

QVariant ChartList::data(const QModelIndex& index, int role) const {
    const int point = order_[size_t(index.row())];
    const PointMarks marks = marks_[size_t(point)];
    if (role == Qt::DecorationRole)
        return picture(marks);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    QString text = window_.pointText(point).replace(u'\n', QStringLiteral("  "));
    if (marks & PointMark::Flagged)
        text.prepend(ChartWindow::tr("有问题 "));
    if (marks & PointMark::Outlier)
        text.prepend(ChartWindow::tr("离群 "));
    return text;
}

QPixmap ChartList::picture(PointMarks marks) {
    static std::array<QPixmap, 8> made;
    QPixmap& kept = made[size_t(marks.toInt() & 7)];
    if (kept.isNull())
        kept = markPicture(marks, 16);
    return kept;
}

} // namespace wed
