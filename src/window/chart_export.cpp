// The chart window's exports: the picture of the chart and the plotted points as CSV.
#include "edit/whole_file.h"
#include "game/output_file.h"
#include "window/chart_window.h"
#include "window/prompts.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QStackedWidget>

namespace wed {

// The chart as shown, at its size on the screen or twice it, as PNG.
void ChartWindow::exportPicture() {
    const std::optional<QString> path = prompts_.askSavePath(
        this, tr("导出图片"), tr("图表-%1.png").arg(wed::category(category()).word),
        tr("PNG 图片 (*.png)"));
    if (!path)
        return;
    if (const Outcome refusal = refuseGameFileAsOutput(*path, document_.game()); refusal.refused())
        return emit outcome(refusal);
    const int scale =
        prompts_.confirm(this, tr("按窗口的两倍大小导出吗？（否：按窗口大小）"), tr("导出图片"))
            ? 2
            : 1;
    QImage picture(stack_->size() * scale, QImage::Format_ARGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    stack_->currentWidget()->render(&painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    emit outcome(saveWholeFile(*path, bytes));
}

void ChartWindow::exportData() {
    const std::optional<QString> path = prompts_.askSavePath(
        this, tr("导出数据"), tr("图表-%1.csv").arg(wed::category(category()).word),
        tr("CSV (*.csv)"));
    if (!path)
        return;
    if (const Outcome refusal = refuseGameFileAsOutput(*path, document_.game()); refusal.refused())
        return emit outcome(refusal);
    emit outcome(saveWholeFile(*path, chartSheet(points_)));
}

} // namespace wed
