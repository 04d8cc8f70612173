#include "window/dir_list_box.h"

#include <QDir>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace wed {
namespace {

constexpr int kIndentPixels = 10;

// Moves each entry right by its level, as a classic directory list draws its tree.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() +
                             kIndentPixels * index.data(DirListBox::LevelRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += kIndentPixels * index.data(DirListBox::LevelRole).toInt();
        return size;
    }
};

// The folder and its ancestors, root first: "/a/b" gives "/", "/a", "/a/b".
QStringList ancestry(const QString& path) {
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

QString entryName(const QString& path) {
    const QString name = QDir(path).dirName();
    // The root has no name of its own: show it as the system writes it ("/", "C:\").
    return name.isEmpty() || QDir(path).isRoot() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSortingEnabled(false);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit openRequested(item->data(PathRole).toString()); });
}

void DirListBox::setPath(const QString& path) {
    const QString clean = QDir(path).absolutePath();
    const bool changed = clean != path_;
    path_ = clean;
    refresh();
    if (changed)
        emit pathChanged(path_);
}

void DirListBox::refresh() {
    clear();
    const QStringList chain = ancestry(path_);
    for (int level = 0; level < chain.size(); ++level)
        addEntry(entryName(chain[level]), chain[level], level, true);
    currentFolderRow_ = count() - 1;
    const QDir dir(path_);
    const QStringList subfolders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addEntry(name, dir.absoluteFilePath(name), int(chain.size()), false);
    setCurrentRow(currentFolderRow_);
}

void DirListBox::addEntry(const QString& text, const QString& path, int level, bool open) {
    auto* item = new QListWidgetItem(
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon), text,
        this);
    item->setData(PathRole, path);
    item->setData(LevelRole, level);
    item->setToolTip(QDir::toNativeSeparators(path));
}

} // namespace wed
