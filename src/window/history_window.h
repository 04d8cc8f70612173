#pragma once

#include "base/outcome.h"

#include <QWidget>

class QUndoView;

namespace wed {

class Document;

// The history of changes since the file was opened: one line per step (item, field, old and
// new text), the current position marked. Clicking a step, or moving to it with the keys,
// undoes or redoes up to it through the document, which stops at the first refused step.
class HistoryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HistoryWindow(Document& document, QWidget* parent = nullptr);

    QUndoView* view() const { return view_; }

  signals:
    // What became of a move the user asked for.
    void moved(const wed::Outcome& outcome);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void moveTo(int index);

    Document& document_;
    QUndoView* view_ = nullptr;
};

} // namespace wed
