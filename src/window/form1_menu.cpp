// The menu bar: every action the editor adds, with its keys; the folder and comparison
// actions it brings.
#include "app/outcome_text.h"
#include "app/title_animation.h"
#include "window/editor_keys.h"
#include "window/form1.h"
#include "window/prompts.h"

#include <QMenuBar>

namespace wed {

void Form1::buildMenuBar() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    // A window of its own on every platform, inside the fixed window.
    menuBar_->setNativeMenuBar(false);
    buildEditorMenus(menuBar_, [this](EditorAction action) { run(action); });
}

// A game folder chosen in a dialog, opened as the command line's folder is.
void Form1::askGameFolder() {
    if (const std::optional<QString> folder =
            prompts_->askFolder(this, editorKey(EditorAction::OpenFolder).text))
        report(openGameFolder(*folder));
}

void Form1::askBaseFolder() {
    if (const std::optional<QString> folder =
            prompts_->askFolder(this, editorKey(EditorAction::Compare).text))
        report(compareWith(*folder));
}

void Form1::showAbout() {
    message(windowCaption() +
                QStringLiteral("\n\n编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据。\n"
                               "每次修改都立刻原子地写入文件；撤销、比较、补丁和表格见菜单。"),
            editorKey(EditorAction::About).text);
}

} // namespace wed
