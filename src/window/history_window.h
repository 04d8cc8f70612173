#pragma once

#include "app/history_model.h"
#include "base/outcome.h"

#include <QWidget>

class QListView;

namespace wed {

class Document;

// The history of changes since the file was opened: one line per step, the history's position
// selected. Choosing a row, with the mouse or the keys (arrows, Home, End, Page Up, Page Down),
// undoes or redoes up to it through the document, which stops at the first refused step; the
// selection then shows where the history stands.
class HistoryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HistoryWindow(Document& document, QWidget* parent = nullptr);

    QListView* view() const { return view_; }

  signals:
    // What became of a move the user asked for, or of an undo or redo here.
    void moved(const wed::Outcome& outcome);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void showCurrent();
    void chosen(int row);

    Document& document_;
    HistoryModel model_;
    QListView* view_ = nullptr;
    bool showing_ = false; // the window itself is selecting the history's position
};

} // namespace wed
