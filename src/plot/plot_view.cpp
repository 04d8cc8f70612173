#include "plot/plot_view.h"

#include "plot/plot_items.h"

#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QKeyEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>
#include <cmath>
#include <limits>

namespace wed {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr qreal kHoverReach = 7; // pixels from a point's centre that still touch it
constexpr int kMinBand = 5;      // a smaller rubber band is a slip of the hand, not a zoom

bool drawn(QPointF position) {
    return std::isfinite(position.x()) && std::isfinite(position.y());
}

// The ticks' words; a logarithmic axis's ticks each need their own decimals.
QStringList tickLabels(const std::vector<double>& ticks, AxisScale scale) {
    QStringList labels;
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1;
    for (const double tick : ticks)
        labels << tickLabel(tick, scale == AxisScale::Log ? tick : step);
    return labels;
}

} // namespace

PlotView::PlotView(QWidget* parent) : QGraphicsView(parent) {
    auto* scene = new QGraphicsScene(this);
    // Points move on every edit: no index to keep up; the hover search is the view's own.
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    area_ = new QGraphicsRectItem;
    area_->setPen(Qt::NoPen);
    area_->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    scene->addItem(area_);
    lineItem_ = new QGraphicsLineItem(area_);
    lineItem_->setPen(QPen(QColor(70, 70, 70), 1.5, Qt::DashLine));
    lineItem_->setZValue(-2);
    lineItem_->hide();
    arrows_ = new ArrowLayer(area_);
    arrows_->setZValue(-1);
    scatter_ = new ScatterLayer(area_);
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
}

PlotView::~PlotView() = default;

void PlotView::setScales(AxisScale x, AxisScale y) {
    x_.scale = x;
    y_.scale = y;
    resetZoom();
}

void PlotView::setTitles(const QString& x, const QString& y) {
    xTitle_ = x;
    yTitle_ = y;
    layOut();
}

void PlotView::setPoints(const std::vector<PlotPoint>& points) {
    points_ = points;
    while (handles_.size() > points_.size()) {
        delete handles_.back();
        handles_.pop_back();
    }
    scatter_->resize(points_.size());
    arrows_->resize(points_.size());
    if (!zoomed_)
        showHome();
    layOut();
}

void PlotView::setPoint(int index, const PlotPoint& point) {
    points_[size_t(index)] = point;
    if (!zoomed_ && showHome())
        return layOut();
    place(size_t(index), true);
}

void PlotView::setLine(std::optional<PlotLine> line) {
    line_ = line;
    placeLine();
}

AxisRange PlotView::xRange() const {
    return {axisValue(x_.from, x_.scale), axisValue(x_.to, x_.scale)};
}

AxisRange PlotView::yRange() const {
    return {axisValue(y_.from, y_.scale), axisValue(y_.to, y_.scale)};
}

void PlotView::resetZoom() {
    zoomed_ = false;
    showHome();
    layOut();
    emit rangesChanged();
}

// Every point that can be drawn, and every base point, inside the range shown.
AxisRange PlotView::homeOf(bool horizontal) const {
    const AxisScale scale = horizontal ? x_.scale : y_.scale;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto take = [&](double value) {
        if (std::isfinite(axisPosition(value, scale))) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    };
    for (const PlotPoint& point : points_) {
        take(horizontal ? point.x : point.y);
        if (point.base)
            take(horizontal ? point.base->x() : point.base->y());
    }
    if (low > high)
        return scale == AxisScale::Log ? AxisRange{1, 10} : AxisRange{0, 1};
    return homeRange(low, high, scale);
}

bool PlotView::showHome() {
    const AxisRange x = homeOf(true);
    const AxisRange y = homeOf(false);
    const double xFrom = axisPosition(x.low, x_.scale), xTo = axisPosition(x.high, x_.scale);
    const double yFrom = axisPosition(y.low, y_.scale), yTo = axisPosition(y.high, y_.scale);
    if (xFrom == x_.from && xTo == x_.to && yFrom == y_.from && yTo == y_.to)
        return false;
    x_.from = xFrom;
    x_.to = xTo;
    y_.from = yFrom;
    y_.to = yTo;
    return true;
}

// The frame inside the margins the tick labels and titles need, and every item in it.
void PlotView::layOut() {
    const QSizeF size = viewport()->size();
    const QFontMetricsF metrics(font());
    x_.ticks = axisTicks(xRange(), x_.scale, std::max(2, int(size.width() / 110)));
    y_.ticks = axisTicks(yRange(), y_.scale, std::max(2, int(size.height() / 45)));
    qreal labelWidth = 0;
    for (const QString& label : tickLabels(y_.ticks, y_.scale))
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const qreal line = metrics.height();
    const qreal left = labelWidth + 10 + (yTitle_.isEmpty() ? 0 : line + 6);
    const qreal bottom = line + 8 + (xTitle_.isEmpty() ? 0 : line + 4);
    const qreal top = line / 2 + 6;
    const qreal right = std::max<qreal>(16, metrics.horizontalAdvance(QStringLiteral("00000")));
    plotArea_ = QRectF(left, top, std::max<qreal>(1, size.width() - left - right),
                       std::max<qreal>(1, size.height() - top - bottom));
    area_->setRect(plotArea_);
    scatter_->setArea(plotArea_);
    arrows_->setArea(plotArea_);
    for (size_t i = 0; i < points_.size(); ++i)
        place(i, false);
    scatter_->update();
    arrows_->update();
    placeLine();
    viewport()->update();
}

QPointF PlotView::toView(double x, double y) const {
    const double across = (axisPosition(x, x_.scale) - x_.from) / (x_.to - x_.from);
    const double up = (axisPosition(y, y_.scale) - y_.from) / (y_.to - y_.from);
    return {plotArea_.left() + across * plotArea_.width(),
            plotArea_.bottom() - up * plotArea_.height()};
}

void PlotView::place(size_t index, bool repaint) {
    const PlotPoint& point = points_[index];
    QPointF at = toView(point.x, point.y);
    // Far outside the frame a position is only a direction: keep it where the painter can.
    if (drawn(at) && !plotArea_.adjusted(-1e6, -1e6, 1e6, 1e6).contains(at))
        at = QPointF(kNaN, kNaN);
    scatter_->place(index, at, point.marks, repaint);
    if (index < handles_.size() && handles_[index]) {
        handles_[index]->setVisible(drawn(at));
        if (drawn(at))
            handles_[index]->setPos(at);
    }
    const QPointF base =
        point.base ? toView(point.base->x(), point.base->y()) : QPointF(kNaN, kNaN);
    const bool arrow = drawn(at) && drawn(base) && base != at;
    arrows_->place(index, arrow ? QLineF(base, at) : QLineF(QPointF(kNaN, kNaN), at), repaint);
}

// The line between the points where it enters and leaves the frame.
void PlotView::placeLine() {
    lineItem_->hide();
    if (!line_)
        return;
    const auto [a, b] = *line_;
    double from = x_.from, to = x_.to;
    if (b != 0) {
        const double atLow = (y_.from - a) / b, atHigh = (y_.to - a) / b;
        from = std::max(from, std::min(atLow, atHigh));
        to = std::min(to, std::max(atLow, atHigh));
    } else if (a < y_.from || a > y_.to) {
        return;
    }
    if (!(from < to))
        return;
    const auto viewOf = [&](double position) {
        return QPointF(plotArea_.left() +
                           (position - x_.from) / (x_.to - x_.from) * plotArea_.width(),
                       plotArea_.bottom() -
                           (a + b * position - y_.from) / (y_.to - y_.from) * plotArea_.height());
    };
    lineItem_->setLine(QLineF(viewOf(from), viewOf(to)));
    lineItem_->show();
}

std::optional<QPointF> PlotView::viewPosition(int index) const {
    const QPointF at = scatter_->position(size_t(index));
    if (!drawn(at))
        return std::nullopt;
    return at;
}

int PlotView::pointAt(QPointF place) const {
    int nearest = -1;
    qreal best = kHoverReach * kHoverReach;
    for (size_t i = 0; i < scatter_->size(); ++i) {
        const QPointF apart = scatter_->position(i) - place;
        if (const qreal distance = QPointF::dotProduct(apart, apart); distance <= best) {
            best = distance;
            nearest = int(i);
        }
    }
    return nearest;
}

const QGraphicsItem* PlotView::itemOf(int index) const {
    handles_.resize(points_.size(), nullptr);
    QGraphicsItem*& handle = handles_[size_t(index)];
    if (!handle) {
        handle = new QGraphicsRectItem(scatter_); // empty: it draws nothing
        handle->setFlag(QGraphicsItem::ItemHasNoContents);
        const QPointF at = scatter_->position(size_t(index));
        handle->setVisible(drawn(at));
        if (drawn(at))
            handle->setPos(at);
    }
    return handle;
}

void PlotView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    scene()->setSceneRect(QRectF(QPointF(0, 0), viewport()->size()));
    layOut();
}

void PlotView::drawBackground(QPainter* painter, const QRectF& rect) {
    painter->fillRect(rect, palette().base());
    const QFontMetricsF metrics(font());
    painter->setPen(palette().text().color());
    const QStringList xLabels = tickLabels(x_.ticks, x_.scale);
    const QStringList yLabels = tickLabels(y_.ticks, y_.scale);
    const QPen grid(QColor(225, 225, 225), 1);
    const QPen text(palette().text().color());
    for (size_t i = 0; i < x_.ticks.size(); ++i) {
        const qreal at = toView(x_.ticks[i], axisValue(y_.from, y_.scale)).x();
        painter->setPen(grid);
        painter->drawLine(QPointF(at, plotArea_.top()), QPointF(at, plotArea_.bottom()));
        painter->setPen(text);
        const qreal width = metrics.horizontalAdvance(xLabels[qsizetype(i)]);
        painter->drawText(QPointF(at - width / 2, plotArea_.bottom() + 4 + metrics.ascent()),
                          xLabels[qsizetype(i)]);
    }
    for (size_t i = 0; i < y_.ticks.size(); ++i) {
        const qreal at = toView(axisValue(x_.from, x_.scale), y_.ticks[i]).y();
        painter->setPen(grid);
        painter->drawLine(QPointF(plotArea_.left(), at), QPointF(plotArea_.right(), at));
        painter->setPen(text);
        const qreal width = metrics.horizontalAdvance(yLabels[qsizetype(i)]);
        painter->drawText(QPointF(plotArea_.left() - 6 - width, at + metrics.ascent() / 2 - 1),
                          yLabels[qsizetype(i)]);
    }
    painter->setPen(QPen(QColor(120, 120, 120), 1));
    painter->drawRect(plotArea_);
    painter->setPen(text);
    if (!xTitle_.isEmpty())
        painter->drawText(QRectF(plotArea_.left(), plotArea_.bottom() + metrics.height() + 6,
                                 plotArea_.width(), metrics.height()),
                          Qt::AlignCenter, xTitle_);
    if (!yTitle_.isEmpty()) {
        painter->save();
        painter->translate(2, plotArea_.bottom());
        painter->rotate(-90);
        painter->drawText(QRectF(0, 0, plotArea_.height(), metrics.height()), Qt::AlignCenter,
                          yTitle_);
        painter->restore();
    }
}

void PlotView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    if (const int index = pointAt(event->position()); index >= 0)
        return emit pointClicked(index);
    bandStart_ = event->position().toPoint();
    band_->setGeometry(QRect(bandStart_, QSize()));
    band_->show();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
    if (band_->isVisible())
        return band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized());
    hover(pointAt(event->position()));
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !band_->isVisible())
        return;
    band_->hide();
    const QRect area = band_->geometry();
    if (area.width() >= kMinBand && area.height() >= kMinBand)
        zoomTo(area);
}

void PlotView::leaveEvent(QEvent* event) {
    hover(-1);
    QGraphicsView::leaveEvent(event);
}

void PlotView::hover(int index) {
    if (index == hovered_)
        return;
    hovered_ = index;
    emit pointHovered(index);
}

void PlotView::zoomTo(const QRectF& area) {
    const QRectF inside = area.intersected(plotArea_);
    if (inside.isEmpty())
        return;
    const auto across = [&](qreal x) {
        return x_.from + (x - plotArea_.left()) / plotArea_.width() * (x_.to - x_.from);
    };
    const auto up = [&](qreal y) {
        return y_.from + (plotArea_.bottom() - y) / plotArea_.height() * (y_.to - y_.from);
    };
    x_.from = across(inside.left());
    x_.to = across(inside.right());
    y_.from = up(inside.bottom());
    y_.to = up(inside.top());
    zoomed_ = true;
    layOut();
    emit rangesChanged();
}

// Scales both axes' spans by the factor, keeping the positions under `centre` in place.
void PlotView::zoomAround(QPointF centre, double factor) {
    const double x =
        x_.from + (centre.x() - plotArea_.left()) / plotArea_.width() * (x_.to - x_.from);
    const double y =
        y_.from + (plotArea_.bottom() - centre.y()) / plotArea_.height() * (y_.to - y_.from);
    const Axis before[2] = {x_, y_};
    x_.from = x - (x - x_.from) * factor;
    x_.to = x + (x_.to - x) * factor;
    y_.from = y - (y - y_.from) * factor;
    y_.to = y + (y_.to - y) * factor;
    // Not past what a double can tell apart, nor past what it can hold.
    for (auto [axis, was] : {std::pair{&x_, &before[0]}, std::pair{&y_, &before[1]}})
        if (!std::isfinite(axis->to - axis->from) ||
            !(axis->to - axis->from > 1e-9 * std::max(1.0, std::abs(axis->from))))
            *axis = *was;
    zoomed_ = true;
    layOut();
    emit rangesChanged();
}

void PlotView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return event->ignore();
    zoomAround(event->position(), std::pow(0.8, steps));
    event->accept();
}

void PlotView::keyPressEvent(QKeyEvent* event) {
    const QPointF centre = plotArea_.center();
    switch (event->key()) {
    case Qt::Key_Home:
        return resetZoom();
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoomAround(centre, 0.8);
    case Qt::Key_Minus:
        return zoomAround(centre, 1.25);
    default:
        QGraphicsView::keyPressEvent(event);
    }
}

} // namespace wed
