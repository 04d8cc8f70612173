#include "plot/plot_items.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace wed {
namespace {

constexpr qreal kBaseRadius = 3;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool drawn(QPointF at) {
    return std::isfinite(at.x()) && std::isfinite(at.y());
}

QRectF markArea(QPointF at) {
    return {at.x() - kMarkReach, at.y() - kMarkReach, 2 * kMarkReach, 2 * kMarkReach};
}

QRectF arrowArea(const QLineF& arrow) {
    const qreal reach = kBaseRadius + 1;
    return QRectF(arrow.p1(), arrow.p2()).normalized().adjusted(-reach, -reach, reach, reach);
}

// Which points are drawn above which: plain, marked, the chosen one.
int layerOf(PointMarks marks) {
    return marks & PointMark::Highlighted ? 2 : marks ? 1 : 0;
}

// Ten thousand antialiased shapes are slow to paint; one picture per look, drawn at the
// screen's pixel ratio, is copied instead.
const QPixmap& lookPicture(PointMarks marks, qreal ratio) {
    static std::array<QPixmap, 8> made;
    QPixmap& picture = made[size_t(marks.toInt() & 7)];
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        const int side = int(std::ceil(2 * kMarkReach * ratio));
        picture = QPixmap(side, side);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter inside(&picture);
        inside.translate(kMarkReach, kMarkReach);
        paintMark(inside, marks);
    }
    return picture;
}

} // namespace

PlotLayer::PlotLayer(QGraphicsItem* parent) : QGraphicsItem(parent) {
    setFlag(ItemUsesExtendedStyleOption); // for the exposed rectangle
}

void PlotLayer::setArea(const QRectF& area) {
    if (area == area_)
        return;
    prepareGeometryChange();
    area_ = area;
}

void ScatterLayer::resize(size_t count) {
    positions_.resize(count, QPointF(kNaN, kNaN));
    marks_.resize(count);
}

void ScatterLayer::place(size_t index, QPointF at, PointMarks marks, bool repaint) {
    QPointF& was = positions_[index];
    if (repaint && !(was == at && marks_[index] == marks)) {
        if (drawn(was))
            update(markArea(was));
        if (drawn(at))
            update(markArea(at));
    }
    was = at;
    marks_[index] = marks;
}

void ScatterLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
    const QRectF exposed =
        option->exposedRect.adjusted(-kMarkReach, -kMarkReach, kMarkReach, kMarkReach);
    const QPointF corner(kMarkReach, kMarkReach);
    std::vector<size_t> marked;
    for (size_t i = 0; i < positions_.size(); ++i) {
        if (!exposed.contains(positions_[i]))
            continue; // not drawn (NaN) or outside what is painted
        if (marks_[i])
            marked.push_back(i);
        else
            painter->drawPixmap(positions_[i] - corner, lookPicture({}, ratio));
    }
    std::stable_sort(marked.begin(), marked.end(),
                     [&](size_t a, size_t b) { return layerOf(marks_[a]) < layerOf(marks_[b]); });
    for (const size_t i : marked)
        painter->drawPixmap(positions_[i] - corner, lookPicture(marks_[i], ratio));
}

void ArrowLayer::resize(size_t count) {
    arrows_.resize(count, QLineF(kNaN, kNaN, kNaN, kNaN));
}

void ArrowLayer::place(size_t index, QLineF arrow, bool repaint) {
    QLineF& was = arrows_[index];
    if (repaint && !(was == arrow)) {
        if (drawn(was.p1()))
            update(arrowArea(was));
        if (drawn(arrow.p1()))
            update(arrowArea(arrow));
    }
    was = arrow;
}

// The lines, then the grey points where the items were.
void ArrowLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    std::vector<QLineF> shown;
    for (const QLineF& arrow : arrows_)
        if (drawn(arrow.p1()) && option->exposedRect.intersects(arrowArea(arrow)))
            shown.push_back(arrow);
    if (shown.empty())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(basePointColour(), 1));
    painter->drawLines(shown.data(), int(shown.size()));
    painter->setPen(Qt::NoPen);
    painter->setBrush(basePointColour());
    for (const QLineF& arrow : shown)
        painter->drawEllipse(arrow.p1(), kBaseRadius, kBaseRadius);
}

} // namespace wed
