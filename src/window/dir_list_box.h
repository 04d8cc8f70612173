#pragma once

#include <QListWidget>
#include <QString>

namespace wed {

// A directory list box: the path from the root down, one entry per ancestor, each indented one
// step more, the current folder last of them; then the subfolders of the current folder.
// Selecting an entry only selects it; opening it (double-click or Enter) asks for a new path.
class DirListBox : public QListWidget {
    Q_OBJECT
  public:
    // Roles of an entry: its absolute folder path and its indentation level.
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int LevelRole = Qt::UserRole + 1;

    explicit DirListBox(QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    // Shows the folder and emits pathChanged when the path differs from the current one.
    void setPath(const QString& path);
    // Lists the folder again (its subfolders may have changed).
    void refresh();
    // Index of the entry that stands for the current folder.
    int currentFolderRow() const { return currentFolderRow_; }

  signals:
    void pathChanged(const QString& path);
    // The user opened an entry; the owner decides whether the folder can be shown.
    void openRequested(const QString& path);

  private:
    void addEntry(const QString& text, const QString& path, int level, bool open);

    QString path_;
    int currentFolderRow_ = -1;
};

} // namespace wed
