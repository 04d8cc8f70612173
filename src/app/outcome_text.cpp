#include "app/outcome_text.h"

#include <QDir>

namespace wed {
namespace {

QString what(const Outcome& o) {
    const QString path = QDir::toNativeSeparators(o.path);
    switch (o.status) {
    case Status::Done:
    case Status::Ignored:
        return {};
    case Status::ClassOutOfRange:
        return QStringLiteral("数据错误！");
    case Status::NumberTooLarge:
        return QStringLiteral("数值太大，无法写入。");
    case Status::LineBreakInValue:
        return QStringLiteral("内容中不能有换行符。");
    case Status::Unencodable:
        return QStringLiteral("字符“%1”无法保存在游戏文件的编码中。").arg(o.detail);
    case Status::FolderMissing:
        return QStringLiteral("文件夹“%1”不存在。").arg(path);
    case Status::NoItemFile:
        return QStringLiteral("文件夹“%1”中没有 weapon.cfg。").arg(path);
    case Status::FolderUnreadable:
        return QStringLiteral("无法打开文件夹“%1”。").arg(path);
    case Status::DriveNotReady:
        return QStringLiteral("驱动器“%1”没有准备好，无法读取。").arg(path);
    case Status::NoFileChosen:
        return QStringLiteral("当前文件夹中没有选中的 weapon.cfg。");
    case Status::UnknownCategory:
        return QStringLiteral("类别必须是“武器”、“装甲”或“晶体”之一。");
    case Status::NoSuchLine:
        return QStringLiteral("文件“%1”中没有第%2行。").arg(path).arg(o.line);
    case Status::EmptyFile:
        return QStringLiteral("文件“%1”是空的，没有可以修改的行。").arg(path);
    case Status::FileMissing:
        return QStringLiteral("找不到文件“%1”。").arg(path);
    case Status::IsFolder:
        return QStringLiteral("“%1”是一个文件夹，不是文件。").arg(path);
    case Status::NotReadable:
        return QStringLiteral("没有读取文件“%1”的权限。").arg(path);
    case Status::ReadFailed:
        return QStringLiteral("无法读取文件“%1”（%2）。").arg(path, o.detail);
    case Status::ReadOnly:
        return QStringLiteral("文件“%1”是只读的。").arg(path);
    case Status::TemporaryFailed:
        return QStringLiteral(
                   "无法在文件“%1”所在的文件夹中建立临时文件（文件夹可能没有写入权限）。")
            .arg(path);
    case Status::DiskFull:
        return QStringLiteral("保存文件“%1”时磁盘空间不足。").arg(path);
    case Status::RenameFailed:
        return QStringLiteral("无法用新内容替换文件“%1”（文件可能被其他程序占用）。").arg(path);
    case Status::WriteFailed:
        return QStringLiteral("无法保存文件“%1”（%2）。").arg(path, o.detail);
    case Status::ExternalChange:
        return QStringLiteral("文件“%1”已被其他程序修改。").arg(path);
    case Status::IdEmpty:
        return QStringLiteral("编号不能为空。");
    case Status::IdBlankEdge:
        return QStringLiteral("编号的开头和结尾不能是空格。");
    case Status::IdLineBreak:
        return QStringLiteral("编号中不能有换行符。");
    case Status::IdTaken:
        return QStringLiteral("这个类别中已经有编号为“%1”的物品。").arg(o.detail);
    case Status::IdReserved:
        return QStringLiteral("编号“%1”留给游戏的特殊记录，不能使用。").arg(o.detail);
    case Status::EmptyDescriptionLine:
        return QStringLiteral("说明中不能有空行（空行会结束名字记录）。");
    case Status::NoNameRecord:
        return QStringLiteral("名字文件中没有“%1”的名字记录。新的名字记录来自“复制为新物品”："
                              "复制一件有名字的物品，再修改它的名字和说明。")
            .arg(o.detail);
    case Status::ColumnsMixed:
        return QStringLiteral("一次只能修改一列：请只选择同一列中的格子。");
    case Status::NotANumber:
        return QStringLiteral("“%1”不是数字，无法计算。").arg(o.detail);
    case Status::CellsSkipped:
        return QStringLiteral("有 %1 个格子显示“无”（物品没有这一项），没有修改。").arg(o.line);
    case Status::NameRecordShared:
        return QStringLiteral("名字文件中已经有“%1”的名字记录，这件物品与它共用这条记录。")
            .arg(o.detail);
    }
    return {};
}

QString meaning(const Outcome& o) {
    switch (o.effect) {
    case Effect::None:
        return {};
    case Effect::NothingWritten:
        return QStringLiteral("没有写入任何内容，文件保持原样。");
    case Effect::ListKept:
        return QStringLiteral("物品列表没有改变。");
    case Effect::NamesEmpty:
        return QStringLiteral("物品的名字和说明将显示为空。");
    case Effect::Reloaded:
        return QStringLiteral("没有写入任何内容。编辑器已重新读取文件，撤销记录已清除。");
    case Effect::FirstRestored:
        return QStringLiteral("weapon.cfg 已恢复原样，两个文件都没有改变。");
    }
    return {};
}

} // namespace

QString describe(const Outcome& outcome) {
    if (!outcome.tell())
        return {};
    if (!outcome.item.isEmpty()) {
        Outcome about = outcome;
        about.item.clear();
        return QStringLiteral("物品“%1”：").arg(outcome.item) + describe(about);
    }
    // The class check's message is the one the program has always shown, word for word; the
    // folder and drive messages concern no file, and a notice changes nothing more.
    if (outcome.status == Status::ClassOutOfRange || outcome.status == Status::FolderMissing ||
        outcome.status == Status::FolderUnreadable || outcome.status == Status::NoItemFile ||
        outcome.status == Status::DriveNotReady)
        return what(outcome);
    return what(outcome) + meaning(outcome);
}

} // namespace wed
