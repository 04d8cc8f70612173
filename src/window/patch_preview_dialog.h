#pragma once

#include "game/game_data.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace wed {

// What applying a patch would do, before it is applied: every change with what the folder
// makes of it (将修改, 已是新的值, 冲突) and, for a conflict, the folder's value now, the
// patch's base and its new value. exec() returns the user's choice: "应用" when nothing
// conflicts, "应用（跳过冲突）" when something does, or "取消".
class PatchPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    enum Choice { Cancel = QDialog::Rejected, Apply, ApplySkippingConflicts };

    // `game` is the folder the plan was made on, which words the name records.
    PatchPreviewDialog(const GameData& game, const ChangeSet& changes, const ApplyPlan& plan,
                       QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QPushButton* applyButton() const { return apply_; }
    QPushButton* skipButton() const { return skip_; }

  private:
    QTableWidget* table_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* skip_ = nullptr;
};

} // namespace wed
