#pragma once

#include "dialogs/boolean16.h"
#include "dialogs/file_dialog_runner.h"

#include <QString>
#include <cstdint>
#include <utility>

namespace wed {

// The toolkit's wrapper of the open-file and save-file dialogs. The caller sets the
// properties, calls Show and reads the chosen path from ReturnPath. Every property starts as
// 0, false or empty. String setters drop leading and trailing spaces; booleans are -1 or 0.
class OpenSaveDLG {
  public:
    std::int32_t Owner() const { return owner_; }
    void setOwner(std::int32_t Wert) { owner_ = Wert; }

    QString DialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const QString& Wert);
    QString FileName() const { return fileName_; }
    void setFileName(const QString& Wert);
    // Description and pattern pairs separated by NUL characters.
    QString Filter() const { return filter_; }
    void setFilter(const QString& Wert);
    QString InitDir() const { return initDir_; }
    void setInitDir(const QString& Wert);

    // The path chosen by the last Show, empty when none; with ShortFileName set, its short
    // form (empty when the path does not exist).
    QString ReturnPath() const;
    void setReturnPath(const QString& Wert);

    // Write only: it selects the dialog's read-only flag.
    void setReadOnly(Boolean16 Wert) { readOnly_ = toBoolean16(Wert != 0); }
    Boolean16 OldStyle() const { return oldStyle_; }
    void setOldStyle(Boolean16 Wert) { oldStyle_ = toBoolean16(Wert != 0); }
    Boolean16 CancelError() const { return cancelError_; }
    void setCancelError(Boolean16 Wert) { cancelError_ = toBoolean16(Wert != 0); }
    Boolean16 ShortFileName() const { return shortFileName_; }
    void setShortFileName(Boolean16 Wert) { shortFileName_ = toBoolean16(Wert != 0); }

    // Variante 0 shows the open-file dialog, any other value the save-file dialog. Returns
    // true when the user chose a file. A cancelled dialog throws ToolkitError 18 when
    // CancelError is set.
    Boolean16 Show(std::int32_t Variante);

    // The dialog that Show runs; a modal Qt file dialog unless replaced.
    void setDialogRunner(FileDialogRunner runner) { runner_ = std::move(runner); }

  private:
    std::int32_t owner_ = 0;
    QString dialogTitle_;
    QString fileName_;
    QString filter_;
    QString initDir_;
    QString returnPath_;
    Boolean16 readOnly_ = kFalse16;
    Boolean16 oldStyle_ = kFalse16;
    Boolean16 cancelError_ = kFalse16;
    Boolean16 shortFileName_ = kFalse16;
    FileDialogRunner runner_ = runQtFileDialog;
};

} // namespace wed
