#include "window/file_list_box.h"

#include <QDir>
#include <QKeyEvent>

namespace wed {

FileListBox::FileListBox(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSortingEnabled(false);
    connect(this, &QListWidget::itemClicked, this, &FileListBox::fileClicked);
}

void FileListBox::setPath(const QString& path) {
    path_ = QDir(path).absolutePath();
    refresh();
}

void FileListBox::refresh() {
    const QString previous = fileName();
    clear();
    QDir dir(path_);
    dir.setNameFilters({pattern_});
    // Without QDir::CaseSensitive the pattern matches ignoring case on every system.
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    addItems(names);
    for (int row = 0; row < count(); ++row)
        if (!previous.isEmpty() && item(row)->text().compare(previous, Qt::CaseInsensitive) == 0)
            setCurrentRow(row);
}

QString FileListBox::fileName() const {
    const QListWidgetItem* selected = currentItem();
    return selected && selected->isSelected() ? selected->text() : QString();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentItem())
        emit fileClicked();
}

} // namespace wed
