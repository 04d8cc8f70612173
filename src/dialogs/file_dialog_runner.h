#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QFileDialog;
class QWidget;

namespace wed {

// Everything the dialog record hands to the system's file dialog.
struct FileDialogRequest {
    std::int32_t owner = 0; // window handle, 0 for none
    bool save = false;
    QString title;
    QString fileName; // any length: no fixed-size buffer is involved
    QString initialDir;
    QStringList nameFilters; // Qt form, the first one selected
    std::uint32_t flags = 0;
};

// What comes back: the system's result code (1 a file was chosen, 0 cancelled or failed) and
// the record's file text, in which several chosen names are separated by NUL characters.
struct FileDialogResult {
    int code = 0;
    QString fileText;
};

// Shows a file dialog and waits for the user. The toolkit uses a modal Qt file dialog; tests
// put a function of their own in its place.
using FileDialogRunner = std::function<FileDialogResult(const FileDialogRequest&)>;

FileDialogResult runQtFileDialog(const FileDialogRequest& request);

// Sets up a Qt file dialog as the request asks, without showing it.
void applyRequest(QFileDialog& dialog, const FileDialogRequest& request);

// The widget of a window handle, or none.
QWidget* ownerWidget(std::int32_t handle);

// The record's file text for the chosen files: one file is its path; several are the folder
// and the names, separated by NUL in the Explorer style and by blanks in the old style.
QString recordFileText(const QStringList& chosen, bool explorerStyle);

} // namespace wed
