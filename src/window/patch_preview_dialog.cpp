#include "window/patch_preview_dialog.h"

#include "app/change_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wed {
namespace {

QString stateText(ChangeState state) {
    switch (state) {
    case ChangeState::Made:
        return PatchPreviewDialog::tr("将修改");
    case ChangeState::AlreadyThere:
        return PatchPreviewDialog::tr("已是新的值");
    case ChangeState::Conflict:
        return PatchPreviewDialog::tr("冲突");
    }
    return {};
}

} // namespace

PatchPreviewDialog::PatchPreviewDialog(const GameData& game, const ChangeSet& changes,
                                       const ApplyPlan& plan, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PatchPreview"));
    setWindowTitle(tr("应用补丁"));
    table_ = new QTableWidget(int(changes.size()), 5, this);
    table_->setHorizontalHeaderLabels(
        {tr("状态"), tr("修改"), tr("文件中现在"), tr("补丁的原值"), tr("补丁的新值")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    for (size_t row = 0; row < changes.size(); ++row) {
        const Change& change = changes[row];
        const ChangeResult& result = plan.results[row];
        QStringList cells{stateText(result.state), describeChange(change, game)};
        if (result.state == ChangeState::Conflict && isMove(change))
            cells << placeText(change, result.currentAfter) << placeText(change, change.baseAfter)
                  << placeText(change, change.after);
        else if (result.state == ChangeState::Conflict)
            cells << sideText(change, result.current, result.currentLines, game)
                  << sideText(change, change.base, change.baseLines, game)
                  << sideText(change, change.now, change.nowLines, game);
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(int(row), column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();

    const bool conflicts = plan.conflicts() > 0;
    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(tr("应用"), QDialogButtonBox::AcceptRole);
    skip_ = buttons->addButton(tr("应用（跳过冲突）"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    apply_->setEnabled(!conflicts);
    skip_->setEnabled(conflicts);
    // Enter applies only what goes in whole; with conflicts it cancels.
    (conflicts ? cancel : apply_)->setDefault(true);
    connect(apply_, &QPushButton::clicked, this, [this] { done(Apply); });
    connect(skip_, &QPushButton::clicked, this, [this] { done(ApplySkippingConflicts); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(820, 420);
}

} // namespace wed
