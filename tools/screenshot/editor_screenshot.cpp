// Opens the editor in the current folder (the sample game folder), clicks weapon.cfg, shows an
// item of the category given, lets the title run for a moment and saves the window as a PNG;
// with a base folder, compared with it.
// Usage: editor-screenshot OUTPUT.png [category index 0..2] [item row] [base folder]
#include "app/title_animation.h"
#include "window/file_list_box.h"
#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(wed::titleText());
    if (argc < 2) {
        std::fprintf(stderr, "usage: editor-screenshot OUTPUT.png [category] [row]\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int categoryIndex = argc > 2 ? std::atoi(argv[2]) : 0;
    const int row = argc > 3 ? std::atoi(argv[3]) : 0;

    wed::Form1 form;
    form.show();
    if (argc > 4)
        form.compareWith(QString::fromLocal8Bit(argv[4]));
    form.fileList()->setCurrentRow(0);
    form.File2_Click();
    form.itemList()->setCurrentRow(row); // shows the item; its gate opens
    QComboBox* categories = form.categoryBox();
    categories->setCurrentIndex(categoryIndex);
    emit categories->activated(categoryIndex);
    form.itemList()->setCurrentRow(row);

    int status = 1;
    QTimer::singleShot(1500, &form, [&] {
        status = form.grab().save(output) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
