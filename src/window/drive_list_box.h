#pragma once

#include <QComboBox>
#include <QString>

namespace wed {

// A drive list: the drives (Windows) or mounted file systems (elsewhere), each entry holding its
// root path. The list is made again each time it drops down, so a medium inserted later shows.
class DriveListBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveListBox(QWidget* parent = nullptr);

    // The root path of the chosen entry.
    QString root() const { return currentData().toString(); }
    // Chooses the drive that holds the path, without running the change handler.
    void selectDriveOf(const QString& path);
    void refreshDrives();
    void showPopup() override;
};

} // namespace wed
