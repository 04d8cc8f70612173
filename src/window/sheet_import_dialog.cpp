#include "window/sheet_import_dialog.h"

#include "app/change_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wed {

SheetImportDialog::SheetImportDialog(const GameData& game, const SheetImport& imported,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SheetImport"));
    setWindowTitle(tr("导入 CSV"));
    const bool problems = !imported.problems.empty();
    QString summary;
    if (problems)
        summary = tr("表中有 %1 处问题，改正之后才能导入：").arg(imported.problems.size());
    else if (imported.changes.empty())
        summary = tr("表中的值与文件相同，没有要修改的内容。");
    else
        summary = tr("导入将做 %1 处修改：").arg(imported.changes.size());
    list_ = new QListWidget(this);
    list_->setAccessibleName(summary);
    for (const SheetProblem& problem : imported.problems)
        list_->addItem(describeProblem(problem));
    if (!problems)
        for (const Change& change : imported.changes)
            list_->addItem(describeChange(change, game));

    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(tr("应用"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    apply_->setEnabled(!problems && !imported.changes.empty());
    (apply_->isEnabled() ? apply_ : cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(summary, this));
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 360);
}

} // namespace wed
