#include "window/mod_list_pane.h"

#include "window/file_actions.h"
#include "window/prompts.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace wed {
namespace {

// The pane's buttons: object name, text, and the key that runs it while the list has the focus.
struct PaneButton {
    const char* name;
    const char* text;
    QKeySequence key;
};
const PaneButton kButtons[] = {
    {"BaseButton", QT_TRANSLATE_NOOP("wed::ModListPane", "选择原版…"), {}},
    {"AddFolderButton", QT_TRANSLATE_NOOP("wed::ModListPane", "添加文件夹…"), {}},
    {"AddPatchButton", QT_TRANSLATE_NOOP("wed::ModListPane", "添加补丁…"), {}},
    {"UpButton", QT_TRANSLATE_NOOP("wed::ModListPane", "上移"), Qt::ALT | Qt::Key_Up},
    {"DownButton", QT_TRANSLATE_NOOP("wed::ModListPane", "下移"), Qt::ALT | Qt::Key_Down},
    {"RemoveButton", QT_TRANSLATE_NOOP("wed::ModListPane", "移除"), Qt::Key_Delete},
};

} // namespace

ModListPane::ModListPane(Prompts& prompts, QWidget* parent) : QWidget(parent), prompts_(prompts) {
    baseLabel_ = new QLabel(this);
    baseLabel_->setObjectName(QStringLiteral("BaseLabel"));
    baseLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ModList"));
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Room for a handful of mods; the tree below takes the rest.
    list_->setMaximumHeight(list_->fontMetrics().height() * 8);
    const std::function<void()> runs[] = {[this] {
                                              if (const std::optional<QString> folder =
                                                      prompts_.askFolder(this, tr("选择原版")))
                                                  setBase(*folder);
                                          },
                                          [this] { addFolder(); },
                                          [this] { addPatch(); },
                                          [this] { moveSelected(-1); },
                                          [this] { moveSelected(1); },
                                          [this] { removeSelected(); }};
    auto* buttons = new QVBoxLayout;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(kButtons[i].name));
        connect(button, &QPushButton::clicked, this, runs[i]);
        buttons->addWidget(button);
        if (kButtons[i].key.isEmpty())
            continue;
        // The keys act on the list alone, and its context menu offers them too.
        auto* action = new QAction(list_);
        action->setShortcut(kButtons[i].key);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setData(QString::fromLatin1(kButtons[i].name));
        connect(action, &QAction::triggered, this, runs[i]);
        list_->addAction(action);
    }
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(baseLabel_);
    left->addWidget(list_);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    retranslate();
}

void ModListPane::retranslate() {
    for (const PaneButton& entry : kButtons) {
        const QString text = tr(entry.text);
        findChild<QPushButton*>(QString::fromLatin1(entry.name))->setText(text);
        for (QAction* action : list_->actions())
            if (action->data().toString() == QLatin1String(entry.name))
                action->setText(text);
    }
    list_->setAccessibleName(tr("模组（上面的先加载，下面的优先）"));
    fill(list_->currentRow());
}

void ModListPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ModListPane::setBase(const QString& folder) {
    base_ = folder;
    fill(list_->currentRow());
    emit changed();
}

void ModListPane::setMods(const QStringList& paths) {
    mods_ = paths;
    fill(mods_.isEmpty() ? -1 : 0);
    emit changed();
}

namespace {

// A path as the pane shows it: within the home folder, from "~" (the whole path is its tooltip).
QString shownPath(const QString& path) {
    const QString home = QDir::homePath();
    if (path.startsWith(home + u'/'))
        return QDir::toNativeSeparators(u'~' + path.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

} // namespace

// Each mod with its number, which names it in the tree's columns and in the choices.
void ModListPane::fill(int selected) {
    baseLabel_->setText(tr("原版：%1").arg(shownPath(base_)));
    baseLabel_->setToolTip(QDir::toNativeSeparators(base_));
    list_->clear();
    for (qsizetype i = 0; i < mods_.size(); ++i) {
        auto* entry = new QListWidgetItem(
            QStringLiteral("%1. %2").arg(i + 1).arg(shownPath(mods_[i])), list_);
        entry->setToolTip(QDir::toNativeSeparators(mods_[i]));
    }
    if (selected >= 0 && selected < list_->count())
        list_->setCurrentRow(selected);
}

void ModListPane::add(const QString& path) {
    mods_.append(path);
    fill(int(mods_.size()) - 1);
    emit changed();
}

void ModListPane::addFolder() {
    if (const std::optional<QString> folder = prompts_.askFolder(this, tr("添加模组文件夹")))
        add(*folder);
}

void ModListPane::addPatch() {
    if (const std::optional<QString> file =
            prompts_.askOpenPath(this, tr("添加模组补丁"), patchFilter()))
        add(*file);
}

void ModListPane::removeSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= mods_.size())
        return;
    mods_.removeAt(row);
    fill(std::min(row, int(mods_.size()) - 1));
    emit changed();
}

void ModListPane::moveSelected(int by) {
    const int row = list_->currentRow();
    const int to = row + by;
    if (row < 0 || row >= mods_.size() || to < 0 || to >= mods_.size())
        return;
    mods_.move(row, to);
    fill(to);
    emit changed();
}

} // namespace wed
