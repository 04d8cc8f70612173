#pragma once

#include "app/category_sheet.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace wed {

// What importing a sheet would do, before it is done: its problems by row and column, which
// keep it from being applied, or the changes it makes, one line each. exec() returns Accepted
// when the user applies it.
class SheetImportDialog : public QDialog {
    Q_OBJECT
  public:
    // `game` is the folder the sheet was read against, which words the name records.
    SheetImportDialog(const GameData& game, const SheetImport& imported, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* applyButton() const { return apply_; }

  private:
    QListWidget* list_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace wed
