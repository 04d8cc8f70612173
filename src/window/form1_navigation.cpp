#include "window/form1.h"

#include "base/file_bytes.h"
#include "base/path_case.h"
#include "data/item_list.h"
#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/drive_roots.h"
#include "window/file_list_box.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace wed {
namespace {

const QString kNameFile = QStringLiteral("Text/Weapon.txt");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

// Picking a drive returns to the folder last shown on it, or its root.
void Form1::Drive1_Change() {
    const QString root = drive1_->root();
    if (!driveReady(root)) {
        message(QStringLiteral("驱动器 %1 没有准备好，无法读取。").arg(shown(root)));
        drive1_->selectDriveOf(dir1_->path());
        return;
    }
    QString folder = driveFolders_.value(root, root);
    if (!QDir(folder).isReadable())
        folder = root;
    dir1_->setPath(folder);
}

void Form1::Dir1_Change() {
    const QString folder = dir1_->path();
    drive1_->selectDriveOf(folder);
    driveFolders_.insert(drive1_->root(), folder);
    file1_ = folder;
    file2_->setPath(folder);
}

void Form1::File2_Click() {
    const Category* category = currentCategory();
    if (!category) {
        message(QStringLiteral("类别必须是“武器”、“装甲”或“晶体”之一，物品列表没有改变。"));
        return;
    }
    if (!loadGameFiles())
        return;
    rebuildItemList(*category);
}

// Shows the category's panel; rebuilds the list only once an item has been shown (gate 1).
void Form1::Combo4_Click() {
    if (const Category* category = currentCategory())
        for (const Category& c : categories())
            container(c.panel)->setVisible(c.id == category->id);
    if (editGate() == 1)
        File2_Click();
}

// Reads weapon.cfg and the name file into the line buffers. Nothing changes unless
// weapon.cfg can be read; a missing name file gives empty names, with a notice.
bool Form1::loadGameFiles() {
    const QString itemPath = itemFilePath();
    if (itemPath.isEmpty()) {
        message(QStringLiteral("当前文件夹中没有选中的 weapon.cfg，物品列表没有改变。"));
        return false;
    }
    QString error;
    const std::optional<QByteArray> items = readFileBytes(itemPath, &error);
    if (!items) {
        message(QStringLiteral("无法读取物品数据文件 %1：%2\n物品列表没有改变。")
                    .arg(shown(itemPath), error));
        return false;
    }
    const QString namePath = resolvePathIgnoringCase(gameFolder(), kNameFile);
    QByteArray names;
    if (!QFileInfo::exists(namePath)) {
        message(
            QStringLiteral("找不到名字文件 %1，物品的名字和说明将显示为空。").arg(shown(namePath)));
    } else if (const std::optional<QByteArray> read = readFileBytes(namePath, &error)) {
        names = *read;
    } else {
        message(QStringLiteral("无法读取名字文件 %1：%2\n物品列表没有改变。")
                    .arg(shown(namePath), error));
        return false;
    }
    text00_.setBytes(*items);
    text01_.setBytes(names);
    return true;
}

void Form1::rebuildItemList(const Category& category) {
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    // The skill-cost loader reads Text00, which already holds the new file.
    list1_->addItems(listItemIds(text00_, category, [this] { LoadSkillCosts(); }));
}

void Form1::openFolder(const QString& path) {
    if (!QDir(path).isReadable()) {
        message(QStringLiteral("无法打开文件夹 %1。").arg(shown(path)));
        return;
    }
    dir1_->setPath(path);
}

} // namespace wed
