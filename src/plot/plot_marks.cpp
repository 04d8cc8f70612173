#include "plot/plot_marks.h"

#include <QPainter>
#include <QPolygonF>

namespace wed {

QColor basePointColour() {
    return QColor(150, 150, 150);
}

// A plain point is a small blue disc; an outlier a larger magenta diamond, to be seen at once;
// a point a check flags gets the red square frame the check's fields get; the chosen point a
// black ring around all of it.
void paintMark(QPainter& painter, PointMarks marks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (marks & PointMark::Outlier) {
        painter.setPen(QPen(QColor(110, 20, 90), 1));
        painter.setBrush(QColor(200, 40, 160));
        painter.drawPolygon(QPolygonF({{0, -5.5}, {5.5, 0}, {0, 5.5}, {-5.5, 0}}));
    } else {
        painter.setPen(QPen(QColor(20, 60, 120), 1));
        painter.setBrush(QColor(50, 110, 190));
        painter.drawEllipse(QPointF(0, 0), 3.5, 3.5);
    }
    if (marks & PointMark::Flagged) {
        painter.setPen(QPen(QColor(220, 0, 0), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(-6.5, -6.5, 13, 13));
    }
    if (marks & PointMark::Highlighted) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), kMarkReach - 1, kMarkReach - 1);
    }
    painter.restore();
}

QPixmap markPicture(PointMarks marks, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(size / 2.0, size / 2.0);
    const qreal scale = size / (2 * kMarkReach);
    painter.scale(scale, scale);
    paintMark(painter, marks);
    return picture;
}

} // namespace wed
