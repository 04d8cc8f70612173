// Opens the editor in the current folder (a game folder), opens its mod list window with the
// mods given, takes one losing value as the user would, and saves the window as a PNG.
// Usage: merge-screenshot OUTPUT.png MOD...
#include "app/program_title.h"
#include "window/editor_actions.h"
#include "window/file_list_box.h"
#include "window/form1.h"
#include "window/merge_tree.h"
#include "window/mod_list_pane.h"
#include "window/mod_list_window.h"
#include "window/qt_chinese.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <functional>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: merge-screenshot OUTPUT.png MOD...\n");
        return 2;
    }
    wed::installWindowLanguage();
    QApplication::setApplicationName(wed::titleText());
    wed::Form1 form;
    form.show();
    form.fileList()->setCurrentRow(0);
    form.File2_Click();
    wed::ModListWindow* window = form.actions().showMerge();
    window->pane()->setMods(arguments.mid(1));
    // The first losing value of the first mod, taken.
    wed::MergeTree* tree = window->tree();
    const QAbstractItemModel* rows = tree->model();
    std::function<bool(const QModelIndex&)> takeFirst = [&](const QModelIndex& parent) {
        for (int row = 0; row < rows->rowCount(parent); ++row) {
            const QModelIndex cell = rows->index(row, 2, parent);
            if (rows->hasChildren(cell.siblingAtColumn(0))) {
                if (takeFirst(cell.siblingAtColumn(0)))
                    return true;
            } else if (wed::MergeTree::cellRole(cell) == wed::MergeCellRole::Loses) {
                tree->setCurrentIndex(cell);
                window->takeValue();
                tree->clearSelection();
                return true;
            }
        }
        return false;
    };
    takeFirst({});
    int status = 1;
    QTimer::singleShot(800, window, [&] {
        status = window->grab().save(arguments[0]) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
