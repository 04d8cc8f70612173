#include "dialogs/file_dialog_runner.h"

#include "dialogs/dialog_flags.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace wed {

void applyRequest(QFileDialog& dialog, const FileDialogRequest& request) {
    const QtDialogSetup setup = qtDialogSetup(request.flags, request.save);
    dialog.setOptions(setup.options);
    dialog.setAcceptMode(setup.acceptMode);
    dialog.setFileMode(setup.fileMode);
    // An empty caption leaves the dialog's own ("Open", "Save As" in the user's language).
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        dialog.selectNameFilter(request.nameFilters.first());
    }
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

QWidget* ownerWidget(std::int32_t handle) {
    if (handle == 0)
        return nullptr;
    // Handles widen with their sign, as the system does for 32-bit handles.
    return QWidget::find(WId(quintptr(qintptr(handle))));
}

QString recordFileText(const QStringList& chosen, bool explorerStyle) {
    if (chosen.isEmpty())
        return QString();
    if (chosen.size() == 1)
        return QDir::toNativeSeparators(chosen.first());
    const QChar separator = explorerStyle ? QChar(u'\0') : QChar(u' ');
    QString text = QDir::toNativeSeparators(QFileInfo(chosen.first()).absolutePath());
    for (const QString& path : chosen)
        text += separator + QFileInfo(path).fileName();
    return text;
}

FileDialogResult runQtFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(ownerWidget(request.owner));
    applyRequest(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {0, QString()};
    return {1, recordFileText(dialog.selectedFiles(), request.flags & OFN_EXPLORER)};
}

} // namespace wed
