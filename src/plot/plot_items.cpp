#include "plot/plot_items.h"

#include <QPainter>
#include <array>
#include <cmath>

namespace wed {
namespace {
constexpr qreal kBaseRadius = 3;
}

void PointItem::setMarks(PointMarks marks) {
    if (marks == marks_)
        return;
    marks_ = marks;
    // The chosen point above every other, marked points above plain ones.
    setZValue(marks & PointMark::Highlighted ? 2 : marks ? 1 : 0);
    update();
}

QRectF PointItem::boundingRect() const {
    return {-kMarkReach, -kMarkReach, 2 * kMarkReach, 2 * kMarkReach};
}

// Ten thousand antialiased shapes are slow to paint; one picture per look, drawn at the
// screen's pixel ratio, is copied instead.
void PointItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    static std::array<QPixmap, 8> made;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
    QPixmap& picture = made[size_t(marks_.toInt() & 7)];
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        const int side = int(std::ceil(2 * kMarkReach * ratio));
        picture = QPixmap(side, side);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter inside(&picture);
        inside.translate(kMarkReach, kMarkReach);
        paintMark(inside, marks_);
    }
    painter->drawPixmap(QPointF(-kMarkReach, -kMarkReach), picture);
}

void ArrowItem::setEnds(QPointF base, QPointF now) {
    if (pos() == base && toNow_ == now - base)
        return;
    prepareGeometryChange();
    setPos(base);
    toNow_ = now - base;
}

QRectF ArrowItem::boundingRect() const {
    return QRectF(QPointF(0, 0), toNow_)
        .normalized()
        .adjusted(-kBaseRadius - 1, -kBaseRadius - 1, kBaseRadius + 1, kBaseRadius + 1);
}

void ArrowItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(basePointColour(), 1));
    painter->drawLine(QPointF(0, 0), toNow_);
    painter->setPen(Qt::NoPen);
    painter->setBrush(basePointColour());
    painter->drawEllipse(QPointF(0, 0), kBaseRadius, kBaseRadius);
}

} // namespace wed
