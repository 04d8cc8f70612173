// Opens the editor in the current folder (the sample game folder), clicks weapon.cfg, shows an
// item of the category given, lets the title run for a moment and saves the window as a PNG;
// with a base folder, compared with it. The program's own options (--lang en, --code-page NAME)
// may stand among the arguments.
// Usage: editor-screenshot OUTPUT.png [category index 0..2] [item row] [base folder]
#include "app/program_title.h"
#include "cli/command_line.h"
#include "window/file_list_box.h"
#include "window/form1.h"
#include "window/qt_chinese.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    wed::cli::CommandOutput refused;
    if (!wed::cli::takeProgramOptions(arguments, refused) || arguments.isEmpty()) {
        std::fprintf(stderr, "usage: editor-screenshot OUTPUT.png [category] [row] [base]\n");
        return 2;
    }
    wed::installWindowLanguage();
    QApplication::setApplicationName(wed::titleText());
    const QString output = arguments[0];
    const int categoryIndex = arguments.size() > 1 ? arguments[1].toInt() : 0;
    const int row = arguments.size() > 2 ? arguments[2].toInt() : 0;

    wed::Form1 form;
    form.show();
    if (arguments.size() > 3)
        form.compareWith(arguments[3]);
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
