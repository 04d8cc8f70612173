#pragma once

#include "plot/plot_marks.h"

#include <QGraphicsItem>

namespace wed {

// One point of the scatter layer, at its position in the view; its marks say how it looks.
class PointItem : public QGraphicsItem {
  public:
    explicit PointItem(QGraphicsItem* parent) : QGraphicsItem(parent) {}
    void setMarks(PointMarks marks);
    PointMarks marks() const { return marks_; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    PointMarks marks_;
};

// One arrow of the arrows layer: a grey point where the item was, joined by a grey line to
// where it is. The item stands at the base point.
class ArrowItem : public QGraphicsItem {
  public:
    explicit ArrowItem(QGraphicsItem* parent) : QGraphicsItem(parent) {}
    // Both ends in the view's coordinates.
    void setEnds(QPointF base, QPointF now);
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    QPointF toNow_; // from the base point
};

} // namespace wed
