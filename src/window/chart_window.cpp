#include "window/chart_window.h"

#include "app/shown_words.h"
#include "data/item_ref.h"
#include "plot/plot_view.h"
#include "window/chart_list.h"
#include "window/editor_keys.h"
#include "window/prompts.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace wed {
namespace {

// What the session keeps of each category's chart when its window goes.
struct KeptChart {
    int x = -1;
    int y = -1;
    bool logX = false;
    bool logY = false;
    QRect geometry;
};
std::array<std::optional<KeptChart>, 3>& keptCharts() {
    static std::array<std::optional<KeptChart>, 3> kept;
    return kept;
}

} // namespace

ChartWindow::ChartWindow(Document& document, CategoryId category, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), prompts_(prompts),
      points_(document, category) {
    setObjectName(QStringLiteral("ChartWindow"));
    buildControls();
    connect(&points_, &ChartPoints::pointsReset, this, &ChartWindow::drawAll);
    connect(&points_, &ChartPoints::columnsChanged, this, [this] {
        fillAxisBoxes();
        if (points_.xColumn() < 0 || points_.yColumn() < 0)
            chooseFirstAxes();
    });
    connect(&points_, &ChartPoints::pointsMoved, this, &ChartWindow::drawMoved);
    connect(&points_, &ChartPoints::namesChanged, this, [this] {
        emit listModel_->dataChanged(listModel_->index(0),
                                     listModel_->index(listModel_->rowCount() - 1));
    });
    // The check's marks follow the files once they have been quiet a moment.
    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(300);
    connect(checkTimer_, &QTimer::timeout, this, &ChartWindow::runCheck);
    connect(&document_, &Document::filesChanged, checkTimer_, qOverload<>(&QTimer::start));
    connect(&document_, &Document::filesReplaced, checkTimer_, qOverload<>(&QTimer::start));
    bindEditorKeys(this, {EditorAction::Undo, EditorAction::Redo}, [this](EditorAction action) {
        emit outcome(action == EditorAction::Undo ? document_.undo() : document_.redo());
    });
    resize(900, 600);
    const std::optional<KeptChart>& kept = keptCharts()[size_t(category)];
    restoring_ = true;
    if (kept) {
        setGeometry(kept->geometry);
        logBoxes_[0]->setChecked(kept->logX);
        logBoxes_[1]->setChecked(kept->logY);
    }
    restoring_ = false;
    fillAxisBoxes();
    if (kept)
        setAxes(kept->x, kept->y);
    if (points_.xColumn() < 0)
        chooseFirstAxes();
    retranslate();
    drawAll();
}

// The first two columns of numbers.
void ChartWindow::chooseFirstAxes() {
    if (const std::vector<int> numeric = points_.numericColumns(); numeric.size() >= 2)
        setAxes(numeric[0], numeric[1]);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::buildControls() {
    auto* top = new QHBoxLayout;
    for (size_t axis = 0; axis < 2; ++axis) {
        axisLabels_[axis] = new QLabel(this);
        axisBoxes_[axis] = new QComboBox(this);
        axisBoxes_[axis]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        axisLabels_[axis]->setBuddy(axisBoxes_[axis]);
        logBoxes_[axis] = new QCheckBox(this);
        top->addWidget(axisLabels_[axis]);
        top->addWidget(axisBoxes_[axis]);
        top->addWidget(logBoxes_[axis]);
        top->addSpacing(12);
        connect(axisBoxes_[axis], &QComboBox::activated, this, &ChartWindow::axesChosen);
        connect(logBoxes_[axis], &QCheckBox::toggled, this, &ChartWindow::axesChosen);
    }
    top->addStretch();
    pictureButton_ = new QPushButton(this);
    dataButton_ = new QPushButton(this);
    top->addWidget(pictureButton_);
    top->addWidget(dataButton_);
    connect(pictureButton_, &QPushButton::clicked, this, &ChartWindow::exportPicture);
    connect(dataButton_, &QPushButton::clicked, this, &ChartWindow::exportData);

    plot_ = new PlotView(this);
    plot_->setObjectName(QStringLiteral("Chart"));
    connect(plot_, &PlotView::pointHovered, this, [this](int point) {
        if (point < 0)
            return QToolTip::hideText();
        const QPoint at = plot_->viewport()->mapToGlobal(plot_->viewPosition(point)->toPoint());
        QToolTip::showText(at + QPoint(8, 8), pointText(point), plot_);
    });
    connect(plot_, &PlotView::pointClicked, this, [this](int point) {
        emit itemRequested(points_.table().item(points_.points()[size_t(point)].row));
    });
    empty_ = new QLabel(this);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    stack_ = new QStackedWidget(this);
    stack_->addWidget(plot_);
    stack_->addWidget(empty_);

    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("ChartList"));
    list_->setUniformItemSizes(true);
    listModel_ = new ChartList(*this, this);
    list_->setModel(listModel_);
    connect(list_, &QListView::activated, this, [this](const QModelIndex& index) {
        const int point = listModel_->pointAt(index.row());
        emit itemRequested(points_.table().item(points_.points()[size_t(point)].row));
    });
    auto* split = new QSplitter(this);
    split->addWidget(stack_);
    split->addWidget(list_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    // Three quarters for the chart, whatever the views' hints (the plot's follows its scene).
    split->setSizes({3000, 1000});

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("ChartNote"));
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addWidget(note_);
}

void ChartWindow::retranslate() {
    setWindowTitle(tr("图表: %1").arg(shownWord(wed::category(category()))));
    axisLabels_[0]->setText(tr("&X："));
    axisLabels_[1]->setText(tr("&Y："));
    for (QCheckBox* box : logBoxes_)
        box->setText(tr("对数"));
    logBoxes_[0]->setAccessibleName(tr("X 轴用对数刻度"));
    logBoxes_[1]->setAccessibleName(tr("Y 轴用对数刻度"));
    axisBoxes_[0]->setAccessibleName(tr("X 轴的列"));
    axisBoxes_[1]->setAccessibleName(tr("Y 轴的列"));
    pictureButton_->setText(tr("导出图片…"));
    dataButton_->setText(tr("导出数据…"));
    plot_->setAccessibleName(tr("图表"));
    list_->setAccessibleName(tr("图表中的物品，离群点在前"));
    fillAxisBoxes();
}

void ChartWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        drawAll();
    }
    QWidget::changeEvent(event);
}

// Drawn before the window lays itself out to be shown: the note's words (Chinese, in a
// taller font) take their height in that layout, not in a second one that would move every
// point a pixel or two after the first paint.
void ChartWindow::setVisible(bool visible) {
    if (visible && drawPending_) {
        showing_ = true;
        drawAll();
        showing_ = false;
    }
    QWidget::setVisible(visible);
}

void ChartWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    remember();
}

void ChartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    remember();
}

void ChartWindow::remember() {
    if (restoring_ || points_.xColumn() < 0)
        return;
    keptCharts()[size_t(category())] =
        KeptChart{points_.xColumn(), points_.yColumn(), logBoxes_[0]->isChecked(),
                  logBoxes_[1]->isChecked(), geometry()};
}

// The numeric columns' headings, in the language shown, the axes' columns chosen.
void ChartWindow::fillAxisBoxes() {
    for (size_t axis = 0; axis < 2; ++axis) {
        QComboBox* box = axisBoxes_[axis];
        const QSignalBlocker quiet(box);
        box->clear();
        for (const int column : points_.numericColumns())
            box->addItem(points_.table().headerData(column, Qt::Horizontal).toString(), column);
        box->setCurrentIndex(box->findData(axis == 0 ? points_.xColumn() : points_.yColumn()));
    }
}

void ChartWindow::setAxes(int xColumn, int yColumn) {
    const std::vector<int> numeric = points_.numericColumns();
    if (std::find(numeric.begin(), numeric.end(), xColumn) == numeric.end() ||
        std::find(numeric.begin(), numeric.end(), yColumn) == numeric.end())
        return;
    axisBoxes_[0]->setCurrentIndex(axisBoxes_[0]->findData(xColumn));
    axisBoxes_[1]->setCurrentIndex(axisBoxes_[1]->findData(yColumn));
    axesChosen();
}

void ChartWindow::axesChosen() {
    if (restoring_)
        return;
    const int x = axisBoxes_[0]->currentData().toInt(), y = axisBoxes_[1]->currentData().toInt();
    const bool logX = logBoxes_[0]->isChecked(), logY = logBoxes_[1]->isChecked();
    if (plot_->xScale() != (logX ? AxisScale::Log : AxisScale::Linear) ||
        plot_->yScale() != (logY ? AxisScale::Log : AxisScale::Linear))
        plot_->setScales(logX ? AxisScale::Log : AxisScale::Linear,
                         logY ? AxisScale::Log : AxisScale::Linear);
    const QSignalBlocker quiet(&points_);
    points_.setLogScales(logX, logY);
    if (x != points_.xColumn() || y != points_.yColumn())
        points_.setAxes(x, y);
    drawAll();
    remember();
}

// The table's row of the item shown in the main window; -1 when it has none.
int ChartWindow::highlightedRow() const {
    if (!highlighted_)
        return -1;
    for (const ChartPoints::Point& point : points_.points())
        if (points_.table().item(point.row) == *highlighted_)
            return point.row;
    return -1;
}

PlotPoint ChartWindow::plotPoint(size_t index, int highlightedRow) const {
    const ChartPoints::Point& point = points_.points()[index];
    PlotPoint drawn{point.x, point.y, std::nullopt, {}};
    if (point.baseX && point.baseY)
        drawn.base = QPointF(*point.baseX, *point.baseY);
    if (point.outlier)
        drawn.marks |= PointMark::Outlier;
    if (point.flagged)
        drawn.marks |= PointMark::Flagged;
    if (point.row == highlightedRow)
        drawn.marks |= PointMark::Highlighted;
    return drawn;
}

// Every point again: the plot keeps its items and moves them. A hidden window draws when it
// is shown: what is set before (axes, scales, base, find text) is read once.
void ChartWindow::drawAll() {
    drawPending_ = !isVisible() && !showing_;
    if (drawPending_)
        return;
    if (points_.xColumn() < 0)
        return showNote();
    std::vector<PlotPoint> drawn;
    std::vector<PointMarks> marks;
    drawn.reserve(points_.points().size());
    const int highlighted = highlightedRow();
    for (size_t i = 0; i < points_.points().size(); ++i) {
        drawn.push_back(plotPoint(i, highlighted));
        marks.push_back(drawn.back().marks);
    }
    plot_->setTitles(axisBoxes_[0]->currentText(), axisBoxes_[1]->currentText());
    plot_->setPoints(drawn);
    const RobustLine& line = points_.line();
    plot_->setLine(line.drawn() ? std::optional(PlotLine{line.intercept, line.slope})
                                : std::nullopt);
    listModel_->beginResetModel();
    listModel_->reorder(points_.points());
    listModel_->setMarks(std::move(marks));
    listModel_->endResetModel();
    showNote();
}

// The points an edit moved, and those whose marks the new line changed.
void ChartWindow::drawMoved(const std::vector<int>& moved) {
    if (drawPending_)
        return;
    std::vector<PointMarks> marks(points_.points().size());
    std::vector<int> changed = moved;
    const int highlighted = highlightedRow();
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i] = plotPoint(i, highlighted).marks;
        if (marks[i] != plot_->points()[i].marks)
            changed.push_back(int(i));
    }
    for (const int point : changed)
        plot_->setPoint(point, plotPoint(size_t(point), highlighted));
    const RobustLine& line = points_.line();
    plot_->setLine(line.drawn() ? std::optional(PlotLine{line.intercept, line.slope})
                                : std::nullopt);
    listModel_->setMarks(std::move(marks));
    if (listModel_->reorder(points_.points())) {
        for (const int point : changed)
            listModel_->changed(point);
    } else {
        // Keep the row the user stands on with its item.
        const int current =
            list_->currentIndex().isValid() ? listModel_->pointAt(list_->currentIndex().row()) : -1;
        emit listModel_->layoutChanged();
        if (current >= 0)
            list_->setCurrentIndex(listModel_->index(listModel_->rowOf(current)));
    }
    showNote();
}

void ChartWindow::showNote() {
    const std::vector<int> numeric = points_.numericColumns();
    for (int axis = 0; axis < 2; ++axis)
        if (points_.xColumn() >= 0 && !points_.axisHasNumbers(axis)) {
            empty_->setText(
                tr("“%1”一列没有数值，无法作图。").arg(axisBoxes_[size_t(axis)]->currentText()));
            stack_->setCurrentWidget(empty_);
            note_->clear();
            return;
        }
    stack_->setCurrentWidget(plot_);
    QStringList lines;
    if (points_.withoutNumber() > 0)
        lines << tr("%1 件物品没有数值").arg(points_.withoutNumber());
    if (points_.notPositive() > 0)
        lines << tr("对数刻度略去了 %1 件数值不大于 0 的物品").arg(points_.notPositive());
    switch (points_.line().missing) {
    case RobustLine::Missing::None: {
        const auto outliers = std::count_if(points_.points().begin(), points_.points().end(),
                                            [](const auto& point) { return point.outlier; });
        lines << tr("%1 个点，%2 个离群点").arg(points_.points().size()).arg(outliers);
        break;
    }
    case RobustLine::Missing::FewerThanThree:
        lines << tr("少于 3 个点：不画直线，也不找离群点。");
        break;
    case RobustLine::Missing::AllXEqual:
        lines << tr("所有点的 X 值都相同：不画直线，也不找离群点。");
        break;
    case RobustLine::Missing::TooLarge:
        lines << tr("数值太大，无法计算直线：不找离群点。");
        break;
    }
    note_->setText(lines.join(QStringLiteral("；")));
    note_->setAccessibleName(note_->text());
}

void ChartWindow::setCheck(std::function<std::vector<Problem>()> check) {
    check_ = std::move(check);
    // After the window is shown: the marks come a moment after the points.
    QTimer::singleShot(0, this, &ChartWindow::runCheck);
}

void ChartWindow::runCheck() {
    if (!check_ || !document_.isOpen())
        return;
    QSet<QString> flagged;
    for (const Problem& problem : check_())
        if (problem.item && problem.item->category == category())
            flagged.insert(refText(*problem.item));
    points_.setFlagged(flagged);
}

void ChartWindow::setHighlighted(const std::optional<ItemRef>& item) {
    if (item == highlighted_)
        return;
    highlighted_ = item;
    drawMoved({});
}

QString ChartWindow::pointText(int index) const {
    const ChartPoints::Point& point = points_.points()[size_t(index)];
    const ItemRef item = points_.table().item(point.row);
    const QString& name = points_.table().nameOf(point.row);
    return tr("%1 %2\n%3：%4\n%5：%6")
        .arg(refText(item), name, axisBoxes_[0]->currentText(), chartNumberText(point.x),
             axisBoxes_[1]->currentText(), chartNumberText(point.y))
        .trimmed();
}

} // namespace wed
