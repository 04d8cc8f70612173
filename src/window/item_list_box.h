#pragma once

#include <QListWidget>
#include <functional>

class QLineEdit;

namespace wed {

// The item list. An item is shown only while its row is selected, so the list never has a
// current row without a selection: Tab brings the focus in with nothing selected (the first
// Down, Home, Page Down or typed letter then selects a row), and a selected row stays
// selected until another one is chosen. A find box opens over its top, inside the list's own
// frame, so that nothing else in the window moves.
class ItemListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ItemListBox(QWidget* parent = nullptr);

    // Selects the row, or nothing for -1, without announcing a change of selection.
    void selectQuietly(int row);
    // The tooltip of a row, asked for when it is about to show.
    void setToolTips(std::function<QString(int row)> toolTipOf) {
        toolTipOf_ = std::move(toolTipOf);
    }

    QLineEdit* findBox() const { return findBox_; }
    bool findOpen() const;
    // Opens the find box with the focus in it, or takes the focus back to it.
    void openFind();
    // Closes the box and empties it; `announce` tells whoever filters by it.
    void closeFind(bool announce = true);

  signals:
    void findChanged(const QString& text);

  protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

  private:
    void placeFindBox();
    void retranslate();

    QLineEdit* findBox_ = nullptr;
    std::function<QString(int)> toolTipOf_;
};

} // namespace wed
