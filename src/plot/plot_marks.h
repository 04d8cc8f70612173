#pragma once

#include <QFlags>
#include <QPixmap>

class QPainter;

namespace wed {

// How a point of a scatter layer is drawn: plain, or with any of these marks.
enum class PointMark : unsigned {
    Highlighted = 1, // the point the user has chosen
    Outlier = 2,     // far from the line through the others
    Flagged = 4,     // a check reports a problem of it
};
Q_DECLARE_FLAGS(PointMarks, PointMark)

// Paints the marks centred on (0, 0), within kMarkReach pixels of it.
void paintMark(QPainter& painter, PointMarks marks);
constexpr qreal kMarkReach = 8;
// The marks as a small picture, for a legend or a list beside the plot.
QPixmap markPicture(PointMarks marks, int size);

// The grey of a point as it was, and of the line that joins it to the point as it is.
QColor basePointColour();

} // namespace wed

// Outside the namespace, where they hide no other operator| (Qt's key combinations).
Q_DECLARE_OPERATORS_FOR_FLAGS(wed::PointMarks)
