// The menu bar: every action the editor adds, with its keys; the folder and comparison
// actions it brings.
#include "app/outcome_text.h"
#include "app/program_title.h"
#include "window/editor_keys.h"
#include "window/form1.h"
#include "window/prompts.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace wed {

void Form1::buildMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    // A window of its own on every platform, inside the fixed window.
    menuBar_->setNativeMenuBar(false);
    buildEditorMenus(menuBar_, [this](EditorAction action) { run(action); });
    notice_ = new QLabel(menuBar_);
    notice_->setObjectName(QStringLiteral("Notice"));
    notice_->setContentsMargins(0, 0, 8, 0);
    menuBar_->setCornerWidget(notice_, Qt::TopRightCorner);
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(8000);
    connect(noticeTimer_, &QTimer::timeout, notice_, &QLabel::clear);
    connect(&watch_, &FolderWatch::changedOutside, this, &Form1::filesChangedOutside);
}

void Form1::notice(const QString& text) {
    notice_->setText(text);
    notice_->setAccessibleName(text);
    noticeTimer_->start();
}

// Another program changed the files: read them again and show again what was shown, once no
// dialog of the editor's is open (until then the watch asks again after a while).
void Form1::filesChangedOutside() {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(200, this, &Form1::filesChangedOutside);
        return;
    }
    const Outcome read = document_.reload();
    if (read.refused())
        return report(read);
    notice(tr("文件已被其他程序修改，已重新读取；撤销记录从这里重新开始。"));
}

// A game folder chosen in a dialog, opened as the command line's folder is.
void Form1::askGameFolder() {
    if (const std::optional<QString> folder =
            prompts_->askFolder(this, shownText(editorKey(EditorAction::OpenFolder))))
        report(openGameFolder(*folder));
}

void Form1::askBaseFolder() {
    if (const std::optional<QString> folder =
            prompts_->askFolder(this, shownText(editorKey(EditorAction::Compare))))
        report(compareWith(*folder));
}

void Form1::showAbout() {
    message(windowCaption() + QStringLiteral("\n\n") +
                tr("编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据。\n"
                   "每次修改都立刻原子地写入文件；撤销、比较、补丁和表格见菜单。") +
                QStringLiteral("\n\n") +
                tr("本程序是自由软件，按 GNU 通用公共许可证第 3 版或更新版本"
                   "（GPL-3.0-or-later）发布。"),
            shownText(editorKey(EditorAction::About)));
}

} // namespace wed
