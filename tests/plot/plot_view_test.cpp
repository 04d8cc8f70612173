#include "plot/plot_view.h"

#include <QGraphicsItem>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wed {
namespace {

class PlotViewTest : public testing::Test {
  protected:
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.setPoints({{1, 10, {}, {}}, {2, 20, QPointF(2, 5), {}}, {3, 30, {}, {}}});
    }
    QPoint at(int index) const { return view.viewPosition(index)->toPoint(); }
    PlotView view;
};

TEST_F(PlotViewTest, AChangedPointMovesItsItemWithoutRebuildingTheScene) {
    const QGraphicsItem* item = view.itemOf(1);
    // Marked, as a new item at the same address would not be.
    const_cast<QGraphicsItem*>(item)->setData(0, 42);
    const qsizetype items = view.scene()->items().size();
    const QPointF before = *view.viewPosition(1);
    view.setPoint(1, {2, 25, QPointF(2, 5), PointMark::Outlier});
    EXPECT_EQ(view.itemOf(1), item);
    EXPECT_EQ(view.scene()->items().size(), items);
    EXPECT_LT(view.viewPosition(1)->y(), before.y()) << "higher value, higher on the screen";
    view.setPoints({{1, 10, {}, {}}, {2, 20, {}, {}}, {3, 30, {}, {}}});
    EXPECT_EQ(view.itemOf(1)->data(0), 42) << "a new list of points keeps the items";
}

TEST_F(PlotViewTest, PointerAndClickNameThePointAndDraggingZoomsUntilHome) {
    QSignalSpy hovered(&view, &PlotView::pointHovered);
    QSignalSpy clicked(&view, &PlotView::pointClicked);
    QTest::mouseMove(view.viewport(), at(2) + QPoint(2, 1));
    ASSERT_FALSE(hovered.isEmpty());
    EXPECT_EQ(hovered.last().at(0).toInt(), 2);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(0));
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.last().at(0).toInt(), 0);

    const AxisRange home = view.xRange();
    const QPoint from = at(0) + QPoint(-10, 10), to = at(1) + QPoint(10, -10);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
    EXPECT_TRUE(view.zoomed());
    EXPECT_LT(view.xRange().high, 3) << "the third point is outside the band";
    EXPECT_FALSE(view.viewPosition(2) && view.viewport()->rect().contains(at(2)));
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_FALSE(view.zoomed());
    EXPECT_EQ(view.xRange().high, home.high);
}

TEST_F(PlotViewTest, ALogarithmicAxisLeavesNonPositiveValuesOut) {
    view.setPoints({{1, 10, {}, {}}, {100, 0, {}, {}}, {1000, 30, {}, {}}});
    view.setScales(AxisScale::Log, AxisScale::Log);
    EXPECT_TRUE(view.viewPosition(0));
    EXPECT_FALSE(view.viewPosition(1));
    EXPECT_GT(view.yRange().low, 0);
    // The decade from 1 to 10 is as wide as the one from 100 to 1,000.
    view.setPoints({{1, 1, {}, {}}, {10, 1, {}, {}}, {100, 1, {}, {}}, {1000, 1, {}, {}}});
    EXPECT_NEAR(at(1).x() - at(0).x(), at(3).x() - at(2).x(), 1.0);
}

} // namespace
} // namespace wed
