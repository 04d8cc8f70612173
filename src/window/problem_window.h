#pragma once

#include "app/game_check.h"

#include <QWidget>
#include <vector>

class QListWidget;

namespace wed {

// The problems a check of the game folder found, one line each ("weapon.cfg:12: ..."), after
// the errors of its rules files, which leave their checks unrun. Double-clicking a problem that
// belongs to an item, or pressing Enter on it, asks to show that item.
class ProblemWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ProblemWindow(QWidget* parent = nullptr);

    void setProblems(std::vector<Problem> problems, std::vector<RuleError> ruleErrors = {});
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
    std::vector<RuleError> ruleErrors_; // listed first
};

} // namespace wed
