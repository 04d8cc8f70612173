#pragma once

#include "plot/axis_ticks.h"
#include "plot/plot_marks.h"

#include <QGraphicsView>
#include <optional>
#include <vector>

class QGraphicsLineItem;
class QGraphicsRectItem;
class QRubberBand;

namespace wed {

class ArrowLayer;
class ScatterLayer;

// A point of the scatter layer, in the axes' values. With a base, the arrows layer joins the
// point where it was (grey) to this one. A point an axis cannot show (not finite, or not
// positive on a logarithmic axis) is not drawn.
struct PlotPoint {
    double x = 0;
    double y = 0;
    std::optional<QPointF> base;
    PointMarks marks;
};

// A straight line in the axes' positions: y = intercept + slope * x, where a logarithmic
// axis's position is the value's decimal logarithm.
struct PlotLine {
    double intercept = 0;
    double slope = 0;
};

// A scatter plot: two axes with round tick values, linear or logarithmic, the points with their
// marks, the arrows from base points, and a line. The pointer over a point says so
// (pointHovered), a click on one too (pointClicked); dragging over empty space zooms to the
// rectangle drawn, the wheel zooms about the pointer, and Home (while it has the focus) shows
// every point again. Each layer is one item that paints all its points; changing a point
// repaints where it was and where it is: the scene is never rebuilt, so the plot does not
// flicker. Scene coordinates are the viewport's pixels.
class PlotView : public QGraphicsView {
    Q_OBJECT
  public:
    explicit PlotView(QWidget* parent = nullptr);
    ~PlotView() override;

    // New scales show every point again.
    void setScales(AxisScale x, AxisScale y);
    AxisScale xScale() const { return x_.scale; }
    AxisScale yScale() const { return y_.scale; }
    void setTitles(const QString& x, const QString& y);

    // The points by index: items are kept, moved and re-marked; those past the new end go.
    void setPoints(const std::vector<PlotPoint>& points);
    void setPoint(int index, const PlotPoint& point);
    const std::vector<PlotPoint>& points() const { return points_; }
    void setLine(std::optional<PlotLine> line);

    // The ranges shown; zoomed until Home, or new scales, show every point again.
    AxisRange xRange() const;
    AxisRange yRange() const;
    bool zoomed() const { return zoomed_; }
    void resetZoom();
    // Zooms to a rectangle of the viewport.
    void zoomTo(const QRectF& area);

    // Where a point is drawn in the viewport, if it is.
    std::optional<QPointF> viewPosition(int index) const;
    // The point drawn nearest to a place in the viewport, within a few pixels; -1 for none.
    int pointAt(QPointF place) const;
    // An item of the scene that stands at a point while it is drawn, made when first asked
    // for: the same item for as long as the point exists (points are moved, never rebuilt).
    const QGraphicsItem* itemOf(int index) const;

  signals:
    // The pointer came over a point, or (-1) left the last one.
    void pointHovered(int index);
    void pointClicked(int index);
    void rangesChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // An axis: its scale, and the positions (logarithms on a log axis) at its two ends.
    struct Axis {
        AxisScale scale = AxisScale::Linear;
        double from = 0;
        double to = 1;
        std::vector<double> ticks;
    };
    AxisRange homeOf(bool horizontal) const;
    bool showHome();
    void layOut();
    void place(size_t index, bool repaint);
    void placeLine();
    QPointF toView(double x, double y) const;
    void hover(int index);
    void zoomAround(QPointF centre, double factor);

    Axis x_;
    Axis y_;
    QString xTitle_;
    QString yTitle_;
    bool zoomed_ = false;
    QRectF plotArea_;
    std::vector<PlotPoint> points_;
    std::optional<PlotLine> line_;
    QGraphicsRectItem* area_ = nullptr; // clips the layers to the plot's frame
    ScatterLayer* scatter_ = nullptr;   // the points, where they are in the viewport
    ArrowLayer* arrows_ = nullptr;
    mutable std::vector<QGraphicsItem*> handles_; // itemOf's, null until asked for
    QGraphicsLineItem* lineItem_ = nullptr;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
    int hovered_ = -1;
};

} // namespace wed
