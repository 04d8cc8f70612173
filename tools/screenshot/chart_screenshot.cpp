// Opens the editor in the current folder (a game folder) compared with the base folder given,
// opens the weapons' chart of the skill a weapon requires (X) against its price (Y), widens the
// window for the list's lines and drags the divider to give the plot most of it, shows the first
// item of the list (the farthest outlier) and saves the window as a PNG.
// Usage: chart-screenshot OUTPUT.png BASE
#include "app/program_title.h"
#include "data/item_fields.h"
#include "window/chart_window.h"
#include "window/editor_actions.h"
#include "window/file_list_box.h"
#include "window/form1.h"
#include "window/qt_chinese.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPixmap>
#include <QSplitter>
#include <QTimer>
#include <cstdio>

namespace {

// The weapons table's column of a field (of a pair's number `half`), by its key.
int weaponColumn(wed::ChartWindow& chart, const char* key, int half = -1) {
    const int field = wed::fieldOfKey(wed::CategoryId::Weapon, QString::fromLatin1(key));
    return chart.points().table().columns().columnOf(field, half);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: chart-screenshot OUTPUT.png BASE\n");
        return 2;
    }
    wed::installWindowLanguage();
    QApplication::setApplicationName(wed::titleText());
    wed::Form1 form;
    form.show();
    form.compareWith(arguments[1]);
    form.fileList()->setCurrentRow(0);
    form.File2_Click();
    wed::ChartWindow* chart = form.actions().openChart(wed::CategoryId::Weapon);
    if (!chart)
        return 1;
    chart->setAxes(weaponColumn(*chart, "Level"), weaponColumn(*chart, "Cost"));
    chart->resize(1100, 640);
    if (auto* divided = chart->findChild<QSplitter*>())
        divided->setSizes({640, 460});
    // The farthest outlier chosen in the list and shown, so that its point is ringed.
    const QModelIndex first = chart->list()->model()->index(0, 0);
    chart->list()->setCurrentIndex(first);
    emit chart->list()->activated(first);
    int status = 1;
    QTimer::singleShot(1000, chart, [&] {
        // In 256 colours (each the nearest, not dithered) the picture is a sixth of the size.
        const QImage picture =
            chart->grab().toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        status = picture.save(arguments[0], "PNG", 0) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
