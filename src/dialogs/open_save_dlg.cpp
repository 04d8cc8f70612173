#include "dialogs/open_save_dlg.h"

#include "dialogs/dialog_flags.h"
#include "dialogs/file_filter.h"
#include "dialogs/short_path.h"
#include "dialogs/toolkit_error.h"

#include <QCoreApplication>

namespace wed {
namespace {

struct DialogWords {
    Q_DECLARE_TR_FUNCTIONS(DialogWords)
};

// Only spaces: tabs and other blanks are part of the text.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

void OpenSaveDLG::setDialogTitle(const QString& Wert) {
    dialogTitle_ = trimSpaces(Wert);
}
void OpenSaveDLG::setFileName(const QString& Wert) {
    fileName_ = trimSpaces(Wert);
}
void OpenSaveDLG::setFilter(const QString& Wert) {
    filter_ = trimSpaces(Wert);
}
void OpenSaveDLG::setInitDir(const QString& Wert) {
    initDir_ = trimSpaces(Wert);
}
void OpenSaveDLG::setReturnPath(const QString& Wert) {
    returnPath_ = trimSpaces(Wert);
}

QString OpenSaveDLG::ReturnPath() const {
    return shortFileName_ != 0 ? shortPathName(returnPath_) : trimSpaces(returnPath_);
}

Boolean16 OpenSaveDLG::Show(std::int32_t Variante) {
    FileDialogRequest request;
    request.owner = owner_;
    request.save = Variante != 0;
    request.title = dialogTitle_;
    request.fileName = fileName_;
    request.initialDir = initDir_;
    request.nameFilters = qtNameFilters(filter_);
    request.flags = dialogFlags(readOnly_, oldStyle_);

    const FileDialogResult result = runner_(request);
    if (result.code == 1) {
        // The path ends at the first NUL; a text without one is taken whole.
        returnPath_ = result.fileText.section(QChar(u'\0'), 0, 0);
        return kTrue16;
    }
    returnPath_.clear();
    if (result.code == 0 && cancelError_ != 0)
        throw ToolkitError(ToolkitError::kUserInterrupt, DialogWords::tr("用户取消了操作。"));
    return kFalse16;
}

} // namespace wed
