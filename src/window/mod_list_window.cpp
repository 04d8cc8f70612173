#include "window/mod_list_window.h"

#include "app/document.h"
#include "app/merge_text.h"
#include "app/outcome_text.h"
#include "base/file_bytes.h"
#include "edit/whole_file.h"
#include "game/output_file.h"
#include "merge/mod_list_file.h"
#include "window/file_actions.h"
#include "window/merge_tree.h"
#include "window/mod_list_pane.h"
#include "window/patch_preview_dialog.h"
#include "window/prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace wed {
namespace {

struct WindowButton {
    const char* name;
    const char* text;
    void (ModListWindow::*run)();
};
const WindowButton kButtons[] = {
    {"TakeButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "采用此值"), &ModListWindow::takeValue},
    {"TakeBackButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "取消选择"),
     &ModListWindow::takeBack},
    {"OpenListButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "打开列表…"),
     &ModListWindow::openList},
    {"SaveListButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "保存列表…"),
     &ModListWindow::saveList},
    {"WriteFolderButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "写入新文件夹…"),
     &ModListWindow::writeFolder},
    {"ApplyButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "应用到当前文件夹"),
     &ModListWindow::applyToFolder},
    {"ExportPatchButton", QT_TRANSLATE_NOOP("wed::ModListWindow", "导出补丁…"),
     &ModListWindow::exportPatch},
};

QString listFilter() {
    return ModListWindow::tr("模组列表 (*.txt);;所有文件 (*)");
}

} // namespace

ModListWindow::ModListWindow(Document& document, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), prompts_(prompts) {
    setObjectName(QStringLiteral("ModListWindow"));
    pane_ = new ModListPane(prompts_, this);
    tree_ = new MergeTree(this);
    tree_->setContextMenuPolicy(Qt::ActionsContextMenu);
    conflictsOnly_ = new QCheckBox(this);
    conflictsOnly_->setObjectName(QStringLiteral("ConflictsOnly"));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("MergeSummary"));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(conflictsOnly_);
    filterRow->addWidget(summary_, 1);
    auto* buttons = new QHBoxLayout;
    for (const WindowButton& entry : kButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, entry.run);
        buttons->addWidget(button);
        if (entry.run == &ModListWindow::takeBack)
            buttons->addStretch();
    }
    take_ = findChild<QPushButton*>(QStringLiteral("TakeButton"));
    takeBack_ = findChild<QPushButton*>(QStringLiteral("TakeBackButton"));
    // The tree's context menu offers the choice and its undoing.
    for (QPushButton* button : {take_, takeBack_}) {
        auto* action = new QAction(tree_);
        action->setObjectName(button->objectName());
        connect(action, &QAction::triggered, button, &QPushButton::click);
        tree_->addAction(action);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_);
    layout->addLayout(filterRow);
    layout->addWidget(tree_, 3);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(pane_, &ModListPane::changed, this, &ModListWindow::listChanged);
    connect(conflictsOnly_, &QCheckBox::toggled, this, &ModListWindow::showMerge);
    connect(tree_, &MergeTree::takeRequested, this, &ModListWindow::takeValue);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ModListWindow::followCurrent);
    retranslate();
}

void ModListWindow::retranslate() {
    setWindowTitle(tr("合并模组"));
    for (const WindowButton& entry : kButtons) {
        const QString name = QString::fromLatin1(entry.name);
        findChild<QPushButton*>(name)->setText(tr(entry.text));
        if (auto* action = tree_->findChild<QAction*>(name))
            action->setText(tr(entry.text));
    }
    conflictsOnly_->setText(tr("只显示冲突"));
    tree_->setAccessibleName(tr("各模组的修改"));
    showMerge();
}

void ModListWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ModListWindow::tell(const QString& text) {
    prompts_.show(this, text, windowTitle());
}

void ModListWindow::setBase(const QString& folder) {
    pane_->setBase(folder);
}

// The pane's list, merged again at once; a mod refused is taken out of the list again.
void ModListWindow::listChanged() {
    if (pane_->base() != session_.base().folder() || !session_.base().isOpen()) {
        if (const Outcome base = session_.setBase(pane_->base()); base.refused())
            emit outcome(base);
    }
    const ModsRefused refused = session_.setMods(pane_->mods());
    if (refused.refused()) {
        if (refused.noBase)
            tell(tr("还没有原版文件夹：先用“选择原版…”选择原版的游戏文件夹。"));
        else if (refused.read.refused())
            emit outcome(refused.read);
        else
            tell(describeInputFault(refused.list));
        QStringList kept;
        for (const ModSource& source : session_.mods())
            kept.append(source.path);
        const QSignalBlocker quiet(pane_);
        pane_->setMods(kept);
    }
    showMerge();
}

void ModListWindow::showMerge() {
    const MergeResult& result = session_.result();
    tree_->showMerge(session_.sharedResult(), session_.base(), session_.mods(),
                     conflictsOnly_->isChecked());
    summary_->setText(tr("%n 处修改", nullptr, int(result.decisions.size())) + tr("，") +
                      tr("%n 处冲突", nullptr, int(result.conflicts())) + tr("，") +
                      tr("%n 处未选择", nullptr, int(result.openConflicts())) +
                      (result.notCarried.empty() ? QString()
                                                 : tr("，") + tr("%n 处无法带入", nullptr,
                                                                 int(result.notCarried.size()))));
    summary_->setToolTip(mergeNotes(result, session_.mods()).trimmed());
    followCurrent();
}

// The choice buttons stand ready where they can act.
void ModListWindow::followCurrent() {
    const int decision = tree_->currentDecision();
    const int mod = tree_->currentMod();
    const auto& decisions = session_.result().decisions;
    const MergeDecision* current = decision >= 0 && size_t(decision) < decisions.size()
                                       ? &decisions[size_t(decision)]
                                       : nullptr;
    take_->setEnabled(current && mod >= 0 && current->conflict() &&
                      current->mods[size_t(mod)].changed &&
                      !current->mods[size_t(mod)].otherVersion && current->winner != mod);
    takeBack_->setEnabled(current && current->chosen);
    for (QAction* action : tree_->actions())
        action->setEnabled(findChild<QPushButton*>(action->objectName())->isEnabled());
}

void ModListWindow::takeValue() {
    followCurrent();
    if (!take_->isEnabled())
        return;
    session_.choose(size_t(tree_->currentDecision()), tree_->currentMod());
    showMerge();
}

void ModListWindow::takeBack() {
    followCurrent();
    if (!takeBack_->isEnabled())
        return;
    session_.unchoose(size_t(tree_->currentDecision()));
    showMerge();
}

void ModListWindow::openList() {
    const std::optional<QString> path =
        prompts_.askOpenPath(this, tr("打开模组列表"), listFilter());
    if (!path)
        return;
    const FileRead file = readFile(*path);
    if (!file.outcome.done())
        return emit outcome(file.outcome);
    const ModListRead read = readModList(file.bytes, *path);
    if (!read.ok())
        return tell(describeModListFault(read, *path));
    QStringList mods;
    for (const ModSource& source : read.list.mods)
        mods.append(source.path);
    {
        const QSignalBlocker quiet(pane_);
        pane_->setBase(read.list.base);
        pane_->setMods(mods);
    }
    listChanged();
    session_.setChoices(read.list.choices);
    showMerge();
}

void ModListWindow::saveList() {
    const std::optional<QString> path =
        prompts_.askSavePath(this, tr("保存模组列表"), QStringLiteral("mods.txt"), listFilter());
    if (!path)
        return;
    for (const GameData* game : {&session_.base(), &document_.game()})
        if (Outcome refusal = refuseGameFileAsOutput(*path, *game); refusal.refused())
            return emit outcome(refusal);
    const ModList list{session_.base().folder(), session_.mods(), session_.choices()};
    emit outcome(saveWholeFile(*path, writeModList(list, *path)));
}

bool ModListWindow::readAgain() {
    const ModsRefused refused = session_.reload();
    if (!refused.refused())
        return true;
    listChanged();
    return false;
}

void ModListWindow::writeFolder() {
    const std::optional<QString> out = prompts_.askFolder(this, tr("写入新文件夹"));
    if (!out || !readAgain())
        return;
    showMerge();
    if (const MergeInputCheck check =
            checkMergeOutput(*out, session_.base().folder(), session_.mods());
        !check.ok())
        return tell(describeInputFault(check));
    const MergedFiles files = mergedFiles(session_.base(), session_.result());
    if (files.outcome.refused())
        return emit outcome(files.outcome);
    const Outcome written = writeMergedFolder(session_.base(), files, *out);
    if (written.refused())
        return emit outcome(written);
    tell(tr("合并结果已写入 %1。").arg(QDir::toNativeSeparators(*out)));
}

// The merged set goes to the open folder as a patch would: its preview first, then one step.
void ModListWindow::applyToFolder() {
    if (!document_.isOpen())
        return emit refused(WindowRefusal{WindowStatus::NoFileChosen, {}});
    if (!readAgain())
        return;
    showMerge();
    const ChangeSet& changes = session_.result().changes;
    const ApplyPlan plan = document_.game().plan(changes);
    if (plan.outcome.refused())
        return emit outcome(plan.outcome);
    PatchPreviewDialog preview(document_.game(), changes, plan, this);
    const int choice = preview.exec();
    if (choice == PatchPreviewDialog::Cancel)
        return;
    emit outcome(document_.apply(
        changes, {tr("合并 %n 个模组", nullptr, int(session_.mods().size())), {}, {}, {}, 0}, {},
        choice == PatchPreviewDialog::ApplySkippingConflicts));
    if (!session_.result().pictures.empty())
        tell(tr("图片不随修改记录写入当前文件夹；要带上模组的 %n 张图片，请用“写入新文件夹…”。",
                nullptr, int(session_.result().pictures.size())));
}

// The merge of the mods as they are on disk now, neither into the base's nor the open
// folder's files.
void ModListWindow::exportPatch() {
    if (!readAgain())
        return;
    showMerge();
    emit outcome(exportChangeSet(this, session_.result().changes, QStringLiteral("merged.patch"),
                                 {&session_.base(), &document_.game()}, prompts_));
}

} // namespace wed
