#pragma once

#include <QAbstractListModel>

namespace wed {

class Document;

// The document's history as a list: the file as it was opened, then one row per step (item,
// field, old and new text). The row the history stands at is current(); a view shows it and
// asks the document to move there.
class HistoryModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit HistoryModel(Document& document, QObject* parent = nullptr);

    // The row of the history's position: 0 before the first step.
    int current() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  signals:
    void currentChanged(int row);

  private:
    Document& document_;
};

} // namespace wed
