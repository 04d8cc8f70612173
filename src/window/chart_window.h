#pragma once

#include "app/chart_points.h"
#include "app/game_check.h"
#include "plot/plot_view.h"

#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace wed {

class ChartList;
class PlotView;
class Prompts;

// The chart of two numeric columns of one category, in a window of its own: a point per item
// listed (and let through by the table's find text), the item shown in the main window
// highlighted, the outliers of the robust line marked and listed first beside the chart, the
// base's points in grey joined to the points as they are, and the points the check flags
// framed. It follows every change of the files by moving the points that changed. A click on
// a point, or Enter in the list, asks for the item to be shown. The axes and the window's
// size and place are kept per category for the session.
class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    ChartWindow(Document& document, CategoryId category, Prompts& prompts,
                QWidget* parent = nullptr);
    ~ChartWindow() override;

    CategoryId category() const { return points_.category(); }
    ChartPoints& points() { return points_; }
    const ChartPoints& points() const { return points_; }
    PlotView* plot() const { return plot_; }
    QListView* list() const { return list_; }
    QLabel* note() const { return note_; }
    QComboBox* axisBox(int axis) const { return axisBoxes_[size_t(axis)]; }
    QCheckBox* logBox(int axis) const { return logBoxes_[size_t(axis)]; }

    // Chooses the axes by table column (no change for a column that holds no numbers).
    void setAxes(int xColumn, int yColumn);
    void setComparison(const Comparison* comparison) { points_.setComparison(comparison); }
    void setRules(Rules* rules) { points_.setRules(rules); }
    // How the check is run for the marks, after the files change; none: no marks.
    void setCheck(std::function<std::vector<Problem>()> check);
    void setHighlighted(const std::optional<ItemRef>& item);
    void setFind(const QString& text) { points_.setFind(text); }

    void exportPicture();
    void exportData();
    // The words the pointer over a point shows: the item's id, name and both values.
    QString pointText(int point) const;
    void setVisible(bool visible) override;

  signals:
    void itemRequested(const wed::ItemRef& item);
    void outcome(const wed::Outcome& outcome);

  protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void retranslate();
    void fillAxisBoxes();
    void axesChosen();
    void chooseFirstAxes();
    void drawAll();
    void drawMoved(const std::vector<int>& moved);
    int highlightedRow() const;
    PlotPoint plotPoint(size_t point, int highlightedRow) const;
    void showNote();
    void runCheck();
    void remember();

    Document& document_;
    Prompts& prompts_;
    ChartPoints points_;
    std::function<std::vector<Problem>()> check_;
    std::optional<ItemRef> highlighted_;
    PlotView* plot_ = nullptr;
    QListView* list_ = nullptr;
    ChartList* listModel_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* empty_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QComboBox*, 2> axisBoxes_{};
    std::array<QCheckBox*, 2> logBoxes_{};
    std::array<QLabel*, 2> axisLabels_{};
    QPushButton* pictureButton_ = nullptr;
    QPushButton* dataButton_ = nullptr;
    QTimer* checkTimer_ = nullptr;
    bool restoring_ = false;
    bool drawPending_ = false; // drawAll waits for the window to be shown
    bool showing_ = false;
};

} // namespace wed
