#pragma once

#include <QListWidget>
#include <QString>

namespace wed {

// A file list box: the files of one folder whose names match a pattern. Game folders are made
// on Windows, so names match ignoring letter case; the list shows each name as it is on disk.
class FileListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit FileListBox(const QString& pattern, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    const QString& pattern() const { return pattern_; }
    // Lists the folder's matching files. The selected name stays selected when the new folder
    // holds a file of that name.
    void setPath(const QString& path);
    void refresh();
    // The selected file's name as on disk, or empty when none is selected.
    QString fileName() const;

  signals:
    // The user clicked an entry or pressed Enter or Space on one.
    void fileClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString path_;
    QString pattern_;
};

} // namespace wed
