#include "keys_fixture.h"
#include "window/chart_window.h"
#include "window/editor_actions.h"
#include "window/table_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGraphicsItem>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolTip>

namespace wed::test {
namespace {

// Clip is a tenth of the price but for w5, far above; w8 holds 0, w9 no clip at all.
class ChartKeys : public KeysFixture {
  protected:
    void SetUp() override {
        WED_ACTIVATE_OR_SKIP(form);
        const int clips[] = {10, 21, 29, 40, 200, 61, 70, 0};
        QStringList lines, names;
        for (int i = 1; i <= 9; ++i) {
            lines << QStringLiteral("Weapon=w%1").arg(i) << QStringLiteral("Cost=%1").arg(i * 100)
                  << QStringLiteral("Level=5") << QStringLiteral("VidMENU=20000001");
            if (i <= 8)
                lines << QStringLiteral("Clip=%1").arg(clips[i - 1]);
            lines << (i == 4 ? QStringLiteral("Class=9") : QStringLiteral("Class=1")) << kEnd;
            names << QStringLiteral("<w%1>").arg(i) << QStringLiteral("1")
                  << QStringLiteral("名称：      %1号").arg(i);
        }
        game.writeItems(lines << QString());
        game.writeNames(names << QString());
        // A 1x1 picture, small and large, so that the check has nothing to say of the pictures.
        const QByteArray tga = QByteArray::fromHex("000002000000000000000000010001001800000000");
        game.writeFile(QStringLiteral("Images/weapon/2000_0001.tga"), tga);
        game.writeFile(QStringLiteral("Images/weapon/1999_0001.tga"), tga);
        loadGame();
    }
    // Ctrl+G in the main window: the weapons' chart, active, its axes price and clip.
    ChartWindow* openChart() {
        focus(form.itemList());
        press(Qt::CTRL | Qt::Key_G);
        ChartWindow* chart = form.findChild<ChartWindow*>();
        if (!chart || !chart->isVisible() || !QTest::qWaitForWindowActive(chart))
            return nullptr;
        chart->setAxes(column(*chart, "Cost"), column(*chart, "Clip"));
        QApplication::processEvents(); // the note's new words laid out, as a user sees it
        return chart;
    }
    static int column(const ChartWindow& chart, const char* key) {
        const CategoryTable& table = chart.points().table();
        for (int c = 0; c < table.columnCount(); ++c)
            if (table.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString() == key)
                return c;
        return -1;
    }
    // The point of weapon wN.
    static int point(const ChartWindow& chart, int n) { return chart.points().pointOfRow(n - 1); }
    static QPoint at(const ChartWindow& chart, int n) {
        return chart.plot()->viewPosition(point(chart, n))->toPoint();
    }
    PointMarks marks(const ChartWindow& chart, int n) {
        return chart.plot()->points()[size_t(point(chart, n))].marks;
    }
};

TEST_F(ChartKeys, PointerClickAndEnterShowTheItemsAndTheOutlierComesFirst) {
    ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("图表: 武器"));
    EXPECT_EQ(chart->plot()->points().size(), 8u);
    EXPECT_TRUE(chart->note()->text().startsWith(QStringLiteral("1 件物品没有数值")));
    const QModelIndex first = chart->list()->model()->index(0, 0);
    EXPECT_TRUE(first.data().toString().startsWith(QStringLiteral("离群 weapon/w5 5号")));
    EXPECT_TRUE(marks(*chart, 5) & PointMark::Outlier);

    QTest::mouseMove(chart->plot()->viewport(), at(*chart, 3) + QPoint(2, 1));
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("weapon/w3 3号\n价格：300\n弹夹装弹数：29"));
    QTest::mouseClick(chart->plot()->viewport(), Qt::LeftButton, {}, at(*chart, 3));
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("300"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(marks(*chart, 3) & PointMark::Highlighted); }));

    focus(chart->list());
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    EXPECT_EQ(form.textOf("Text5"), QStringLiteral("500"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(marks(*chart, 5) & PointMark::Highlighted); }));
    EXPECT_FALSE(marks(*chart, 3) & PointMark::Highlighted);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(marks(*chart, 4) & PointMark::Flagged); }))
        << "Class=9 is a problem the check reports";

    // Kept for the session: a new chart of the category comes with the axes and the place.
    chart->setGeometry(chart->geometry().translated(30, 20));
    ChartWindow again(form.document(), CategoryId::Weapon, messages);
    EXPECT_EQ(again.points().yColumn(), column(*chart, "Clip"));
    EXPECT_EQ(again.geometry(), chart->geometry());
}

TEST_F(ChartKeys, TypingUndoAndAnotherProgramMoveThePointsNotRebuildThem) {
    clickItem(2);
    ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    for (int i = 0; i < 8; ++i) // marked, to tell a kept item from a new one
        const_cast<QGraphicsItem*>(chart->plot()->itemOf(i))->setData(0, i);
    const QPoint before = at(*chart, 3);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    retype(form.fieldWidget("Text10"), QStringLiteral("300"));
    EXPECT_LT(at(*chart, 3).y(), before.y());
    EXPECT_TRUE(marks(*chart, 3) & PointMark::Outlier);
    EXPECT_TRUE(chart->list()->model()->index(0, 0).data().toString().contains("w3"))
        << "the farthest outlier first";
    press(Qt::CTRL | Qt::Key_Z);
    // Back where it was: the same value, at the same place on screen.
    EXPECT_EQ(chart->plot()->points()[size_t(point(*chart, 3))].y, 29);
    EXPECT_EQ(at(*chart, 3), before);
    EXPECT_FALSE(marks(*chart, 3) & PointMark::Outlier);

    QByteArray bytes = items();
    game.writeFile(QStringLiteral("weapon.cfg"), bytes.replace("Clip=61", "Clip=66"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart->plot()->points()[5].y == 66; }, 5000));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(chart->plot()->itemOf(i)->data(0), i);
}

TEST_F(ChartKeys, WheelBandHomeLogScaleAndTheTablesMenuAndFilter) {
    ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    PlotView* plot = chart->plot();
    focus(plot);
    const QPoint middle = plot->viewport()->rect().center();
    QWheelEvent wheel(middle, plot->viewport()->mapToGlobal(middle), {}, {0, 240}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot->viewport(), &wheel);
    EXPECT_TRUE(plot->zoomed());
    press(Qt::Key_Home);
    EXPECT_FALSE(plot->zoomed());
    QTest::mousePress(plot->viewport(), Qt::LeftButton, {}, at(*chart, 1) - QPoint(10, -10));
    QTest::mouseMove(plot->viewport(), at(*chart, 3) + QPoint(10, -10));
    QTest::mouseRelease(plot->viewport(), Qt::LeftButton, {}, at(*chart, 3) + QPoint(10, -10));
    EXPECT_LT(plot->xRange().high, 400);
    press(Qt::Key_Home);
    EXPECT_GT(plot->xRange().high, 800);

    focus(chart->logBox(1));
    press(Qt::Key_Space);
    EXPECT_EQ(plot->yScale(), AxisScale::Log);
    EXPECT_EQ(plot->points().size(), 7u);
    EXPECT_TRUE(chart->note()->text().contains(QStringLiteral("略去了 1 件数值不大于 0")));
    press(Qt::Key_Space);

    // The table's menu charts the two columns chosen, the left as X; its filter applies. The
    // table is opened by its action (Ctrl+T has tests of its own): a key pressed in the main
    // window just after the chart had the focus may still reach the chart under Wine.
    TableWindow* table = form.actions().openTable();
    ASSERT_NE(table, nullptr);
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    QTableView* view = table->view();
    view->selectionModel()->select(view->model()->index(0, column(*chart, "Level")),
                                   QItemSelectionModel::Select);
    view->selectionModel()->select(view->model()->index(0, column(*chart, "Cost")),
                                   QItemSelectionModel::Select);
    focus(view);
    // The menu key's event (as the platform makes it) opens the menu, which runs until its
    // last entry is chosen.
    bool menuShown = false;
    QTimer::singleShot(100, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        menuShown = qobject_cast<QMenu*>(menu);
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {10, 10},
                              view->viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(view->viewport(), &menuKey);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuShown; }));
    EXPECT_EQ(chart->points().xColumn(), column(*chart, "Cost"));
    EXPECT_EQ(chart->points().yColumn(), column(*chart, "Level"));
    table->findBox()->setText(QStringLiteral("w1"));
    EXPECT_EQ(plot->points().size(), 1u);
    EXPECT_TRUE(chart->note()->text().contains(QStringLiteral("少于 3 个点")));
}

TEST_F(ChartKeys, BadColumnsSayWhyAndExportsWriteThePointsWithTheirBase) {
    TempGame shipped;
    shipped.writeItems({"Weapon=w2", "Cost=150", "Clip=21", kEnd, ""});
    shipped.writeNames({""});
    ASSERT_TRUE(form.compareWith(shipped.folder()).done());
    ChartWindow* chart = openChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->plot()->points()[1].base, QPointF(150, 21));
    EXPECT_FALSE(chart->plot()->points()[0].base) << "the base lacks w1";

    messages.savePath = game.path(QStringLiteral("chart.csv"));
    QTest::mouseClick(chart->findChildren<QPushButton*>()[1], Qt::LeftButton);
    const QList<QByteArray> lines = game.readFile(QStringLiteral("chart.csv")).split('\n');
    EXPECT_EQ(lines[0], "\xEF\xBB\xBF物品,名字,价格,弹夹装弹数,原版价格,原版弹夹装弹数,离群点\r");
    EXPECT_EQ(lines[2], "weapon/w2,2号,200,21,150,21,\r");
    EXPECT_EQ(lines[5], "weapon/w5,5号,500,200,,,是\r");
    messages.savePath = game.path(QStringLiteral("chart.png"));
    QTest::mouseClick(chart->findChildren<QPushButton*>()[0], Qt::LeftButton);
    EXPECT_EQ(QImage(game.path(QStringLiteral("chart.png"))).size(), chart->plot()->size() * 2);
    messages.savePath = game.path(QStringLiteral("weapon.cfg"));
    const QByteArray before = items();
    QTest::mouseClick(chart->findChildren<QPushButton*>()[1], Qt::LeftButton);
    EXPECT_EQ(items(), before);
    EXPECT_EQ(messages.texts.size(), 1) << "the game's own file is refused as output";

    chart->setAxes(column(*chart, "DeathPush"), column(*chart, "Cost"));
    EXPECT_FALSE(chart->plot()->isVisible()) << "no numbers: said instead of empty axes";
    const QList<QLabel*> labels = chart->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->isVisible() &&
               label->text() == QStringLiteral("“退怪距离”一列没有数值，无法作图。");
    }));
    chart->setAxes(column(*chart, "Level"), column(*chart, "Cost"));
    EXPECT_TRUE(chart->plot()->isVisible());
    EXPECT_TRUE(chart->note()->text().contains(QStringLiteral("X 值都相同")));
}

} // namespace
} // namespace wed::test
