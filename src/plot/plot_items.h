#pragma once

#include "plot/plot_marks.h"

#include <QGraphicsItem>
#include <vector>

namespace wed {

// A layer of the plot: one item painting many marks inside the plot's frame; a paint is given
// the area exposed, so that a partial repaint draws only the marks there.
class PlotLayer : public QGraphicsItem {
  public:
    explicit PlotLayer(QGraphicsItem* parent);
    // The area the marks may be drawn in (the plot's frame).
    void setArea(const QRectF& area);
    QRectF boundingRect() const override { return area_; }

  private:
    QRectF area_;
};

// The scatter layer: every point drawn by this one item, from one picture per look, plain
// points first, marked ones above them and the chosen point above all. Positions are the
// view's; a point at NaN is not drawn. Ten thousand items of their own would cost more to
// make, index and paint than the points themselves.
class ScatterLayer : public PlotLayer {
  public:
    explicit ScatterLayer(QGraphicsItem* parent) : PlotLayer(parent) {}
    // Points past the old end are not drawn until placed.
    void resize(size_t count);
    size_t size() const { return positions_.size(); }
    // A point's place and marks; `repaint` repaints where it was and where it is (a caller
    // placing every point repaints the layer once).
    void place(size_t index, QPointF at, PointMarks marks, bool repaint);
    QPointF position(size_t index) const { return positions_[index]; }
    PointMarks marks(size_t index) const { return marks_[index]; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    std::vector<QPointF> positions_;
    std::vector<PointMarks> marks_;
};

// The arrows layer: per point with a base, a grey point where the item was, joined by a grey
// line to where it is; all drawn by this one item.
class ArrowLayer : public PlotLayer {
  public:
    explicit ArrowLayer(QGraphicsItem* parent) : PlotLayer(parent) {}
    void resize(size_t count);
    // A point's arrow, from its base to where it is now, or none (NaN ends); `repaint` as for
    // the scatter layer.
    void place(size_t index, QLineF arrow, bool repaint);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    std::vector<QLineF> arrows_;
};

} // namespace wed
