#pragma once

#include "app/document.h"
#include "app/document_rules.h"
#include "window/window_status.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace wed {

class Prompts;

// The rules of the open folder (工具 → 规则…): the files read, then every computed column,
// check and recipe with its file and line, then each error of the files. A recipe runs on
// Enter or its button: its change set is shown in the patch preview first, and applying it
// is one step of the history, named after the recipe. A recipe that fails or is refused
// writes nothing and says why; one that changes nothing says so. The list follows the rules
// each time they are read again; a recipe reads item.base from the comparison's base.
class RulesDialog : public QDialog {
    Q_OBJECT
  public:
    RulesDialog(Document& document, DocumentRules& rules, Prompts& prompts,
                QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* runButton() const { return run_; }
    QLabel* filesLabel() const { return files_; }
    // Runs the recipe of that index, as its row's Enter does.
    void runRecipe(int recipe);

  signals:
    void outcome(const wed::Outcome& outcome);
    void refused(const wed::WindowRefusal& refusal);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void fill();
    int recipeOfRow(int row) const;

    Document& document_;
    DocumentRules& rules_;
    Prompts& prompts_;
    QLabel* files_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* run_ = nullptr;
};

} // namespace wed
