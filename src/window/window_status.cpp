#include "window/window_status.h"

#include "app/outcome_text.h"

#include <QCoreApplication>
#include <QDir>

namespace wed {
namespace {

// The context every outcome's words share in the translation.
struct Message {
    Q_DECLARE_TR_FUNCTIONS(Message)
};

QString what(WindowStatus status, const QString& path) {
    switch (status) {
    case WindowStatus::FolderMissing:
        return Message::tr("文件夹“%1”不存在。").arg(path);
    case WindowStatus::NoItemFile:
        return Message::tr("文件夹“%1”中没有 weapon.cfg。").arg(path);
    case WindowStatus::FolderUnreadable:
        return Message::tr("无法打开文件夹“%1”。").arg(path);
    case WindowStatus::DriveNotReady:
        return Message::tr("驱动器“%1”没有准备好，无法读取。").arg(path);
    case WindowStatus::NoFileChosen:
        return Message::tr("当前文件夹中没有选中的 weapon.cfg。");
    case WindowStatus::UnknownCategory:
        return Message::tr("类别必须是“武器”、“装甲”或“晶体”之一。");
    case WindowStatus::ColumnsMixed:
        return Message::tr("一次只能修改一列：请只选择同一列中的格子。");
    case WindowStatus::NoBaseFolder:
        return Message::tr("还没有原版文件夹：先用“文件 → 与原版比较…”选择原版的游戏文件夹。");
    }
    return {};
}

} // namespace

// The folder and drive messages concern no file: they say nothing of the files.
QString describe(const WindowRefusal& refusal) {
    const QString words = what(refusal.status, QDir::toNativeSeparators(refusal.path));
    switch (refusal.status) {
    case WindowStatus::FolderMissing:
    case WindowStatus::FolderUnreadable:
    case WindowStatus::NoItemFile:
    case WindowStatus::DriveNotReady:
        return words;
    default:
        return words + describe(refusal.effect);
    }
}

} // namespace wed
