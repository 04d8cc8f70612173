#include "app/history_model.h"

#include "app/document.h"

namespace wed {

HistoryModel::HistoryModel(Document& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
    connect(&document_, &Document::historyChanged, this, [this] {
        beginResetModel();
        endResetModel();
        emit currentChanged(current());
    });
}

int HistoryModel::current() const {
    return document_.history().index();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document_.history().count() + 1;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return index.row() == 0 ? tr("打开文件时") : document_.step(index.row() - 1).text;
}

} // namespace wed
