#pragma once

#include "app/game_check.h"

#include <QWidget>
#include <vector>

class QListWidget;

namespace wed {

// The problems a check of the game folder found, one line each ("weapon.cfg:12: ..."). Double-
// clicking a problem that belongs to an item, or pressing Enter on it, asks to show that item.
class ProblemWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProblemWindow(QWidget* parent = nullptr);

    void setProblems(std::vector<Problem> problems);
    QListWidget* list() const { return list_; }

  signals:
    void itemRequested(const wed::ItemRef& item);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void request(int row);

    QListWidget* list_ = nullptr;
    std::vector<Problem> problems_;
};

} // namespace wed
