#include "window/drive_list_box.h"

#include "window/drive_roots.h"

#include <QSignalBlocker>

namespace wed {

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    refreshDrives();
}

void DriveListBox::refreshDrives() {
    const QString chosen = root();
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& drive : driveRoots())
        addItem(driveLabel(drive), drive);
    setCurrentIndex(findData(chosen));
}

void DriveListBox::selectDriveOf(const QString& path) {
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots.append(itemData(i).toString());
    const QSignalBlocker quiet(this);
    setCurrentIndex(findData(driveOf(path, roots)));
}

void DriveListBox::showPopup() {
    refreshDrives();
    QComboBox::showPopup();
}

} // namespace wed
