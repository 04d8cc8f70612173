#include "window/tab_order.h"

#include <algorithm>

namespace wed {

std::vector<QWidget*> inReadingOrder(std::vector<QWidget*> widgets, const QWidget* window) {
    std::stable_sort(widgets.begin(), widgets.end(), [window](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(window, QPoint()), pb = b->mapTo(window, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return widgets;
}

void chainTabOrder(const std::vector<QWidget*>& chain) {
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace wed
