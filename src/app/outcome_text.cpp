#include "app/outcome_text.h"

#include "base/code_page.h"

#include <QCoreApplication>
#include <QDir>

namespace wed {
namespace {

struct Message {
    Q_DECLARE_TR_FUNCTIONS(Message)
};

QString what(const Outcome& o) {
    const QString path = QDir::toNativeSeparators(o.path);
    switch (o.status) {
    case Status::Done:
    case Status::Ignored:
        return {};
    case Status::ClassOutOfRange:
        return Message::tr("数据错误！");
    case Status::NumberTooLarge:
        return o.detail.isEmpty()
                   ? Message::tr("数值太大，无法写入。")
                   : Message::tr("“%1”：其中的数或计算结果的绝对值达到 2^53，无法准确计算，"
                                 "不能写入。")
                         .arg(o.detail);
    case Status::LineBreakInValue:
        return Message::tr("内容中不能有换行符。");
    case Status::ControlCharacter:
        return Message::tr("内容中不能有控制字符（%1）。").arg(o.detail);
    case Status::NotOwnKey:
        return Message::tr("“%1”不能作为键：键不能是空的，不能有“=”或换行符，"
                           "也不能是记录的开头（Weapon、Armor、Implant）。")
            .arg(o.detail);
    case Status::NotARecord:
        return o.detail.isEmpty() ? Message::tr("一条记录至少要有一行。")
                                  : Message::tr("“%1”这一行会把记录分开，不能写入。").arg(o.detail);
    case Status::ChangeConflicts:
        return Message::tr("有 %1 处修改与文件现在的内容冲突。").arg(o.line);
    case Status::ChangedTwice:
        return o.detail.isEmpty()
                   ? Message::tr("这组修改把同一处改了两次（同一个键、同一条记录或同一个名字记录，"
                                 "或同一个引用既添加又删除）。")
                   : Message::tr("这一行与第 %1 行改的是同一处（同一个键、同一条记录或同一个"
                                 "名字记录，或同一个引用既添加又删除）。")
                         .arg(o.detail);
    case Status::RecordNotItsItem:
        return Message::tr("记录的第一行“%1”不属于这件物品：它要写物品的类别和编号"
                           "（名字记录写“<编号>”）。")
            .arg(o.detail);
    case Status::PatchCannotCarry:
        return Message::tr("“%1”有游戏文件的编码无法识别的字节，或有单独的回车符或换行符，"
                           "补丁无法带上它。")
            .arg(o.detail);
    case Status::PatchNotUtf8:
        return Message::tr("补丁不是 UTF-8 文本。");
    case Status::PatchFirstLine:
        return Message::tr("第一行必须是“weapon-editor patch 1”。");
    case Status::PatchCutOff:
        return Message::tr("最后一行没有换行符：补丁可能不完整（被截断了），不能应用。");
    case Status::PatchColumnCount:
        return Message::tr("一行要有五列，用制表符分开；这一行有 %1 列。").arg(o.detail);
    case Status::PatchUnknownKind:
        return Message::tr("不认识的种类“%1”：种类是 key、record、add、remove、names 或 move。")
            .arg(o.detail);
    case Status::PatchBadEscape:
        return Message::tr("不认识的转义“%1”：只有 \\\\、\\t、\\n、\\r、\\#、\\e 和 \\-。")
            .arg(o.detail);
    case Status::PatchTrailingBackslash:
        return Message::tr("列的末尾是单独的反斜杠：反斜杠要和它后面的字符组成转义"
                           "（反斜杠本身写作 \\\\）。");
    case Status::PatchBadOccurrence:
        return Message::tr("键后面的 # 要跟一个从 1 起的整数，“%1”不是（键中的 # 写作 \\#）。")
            .arg(o.detail);
    case Status::PatchNoKey:
        return Message::tr("key 这一种修改的第三列要写键。");
    case Status::PatchNotAReference:
        return Message::tr("“%1”不是物品的引用（类别/编号）。").arg(o.detail);
    case Status::PatchBadPlace:
        return Message::tr("第三列“%1”：只有 add 和 names 写所跟随的记录，其他种类写 -。")
            .arg(o.detail);
    case Status::PatchBaseWanted:
        return Message::tr("%1 这一种修改要写旧的行，新的写 -。").arg(o.detail);
    case Status::PatchNewWanted:
        return Message::tr("%1 这一种修改要写新的行，旧的写 -。").arg(o.detail);
    case Status::PatchBothWanted:
        return Message::tr("%1 这一种修改要写旧的和新的行。").arg(o.detail);
    case Status::PatchBadMove:
        return Message::tr("“%1”：move 这一种修改要写物品（名字记录写 <编号>），第三列写 -，"
                           "然后是它原来和现在跟随的记录（最前面写 -）。")
            .arg(o.detail);
    case Status::PatchNamesEmpty:
        return Message::tr("names 这一种修改至少要写旧的或新的行。");
    case Status::SheetMalformed:
        return o.detail;
    case Status::SheetUnknownColumn:
        return Message::tr("“%1”不是这一类物品的字段（标题要写字段的名字或键）。").arg(o.detail);
    case Status::Unencodable:
        return Message::tr("字符“%1”无法保存在游戏文件的编码中。").arg(o.detail);
    case Status::NoSuchLine:
        return Message::tr("文件“%1”中没有第%2行。").arg(path).arg(o.line);
    case Status::EmptyFile:
        return Message::tr("文件“%1”是空的。").arg(path);
    case Status::FileMissing:
        return Message::tr("找不到文件“%1”。").arg(path);
    case Status::IsFolder:
        return Message::tr("“%1”是一个文件夹，不是文件。").arg(path);
    case Status::NotReadable:
        return Message::tr("没有读取文件“%1”的权限。").arg(path);
    case Status::ReadFailed:
        return Message::tr("无法读取文件“%1”（%2）。").arg(path, o.detail);
    case Status::ReadOnly:
        return Message::tr("文件“%1”是只读的。").arg(path);
    case Status::TemporaryFailed:
        return Message::tr("无法在文件“%1”所在的文件夹中建立临时文件（文件夹可能没有写入权限）。")
            .arg(path);
    case Status::DiskFull:
        return Message::tr("保存文件“%1”时磁盘空间不足。").arg(path);
    case Status::RenameFailed:
        return Message::tr("无法用新内容替换文件“%1”（文件可能被其他程序占用）。").arg(path);
    case Status::WriteFailed:
        return Message::tr("无法保存文件“%1”（%2）。").arg(path, o.detail);
    case Status::ExternalChange:
        return Message::tr("文件“%1”已被其他程序修改。").arg(path);
    case Status::NotCrLf:
        return Message::tr("文件“%1”的行尾不是 CR LF（只有 LF 或 CR）：编辑器只读写以 CR LF "
                           "分行的游戏文件。")
            .arg(path);
    case Status::SaveBusy:
        return Message::tr("编辑器的另一个进程正在保存文件“%1”所在的文件夹，等了 %2 秒仍未结束。")
            .arg(path, o.detail);
    case Status::IdEmpty:
        return Message::tr("编号不能为空。");
    case Status::IdBlankEdge:
        return Message::tr("编号的开头和结尾不能是空格。");
    case Status::IdLineBreak:
        return Message::tr("编号中不能有换行符。");
    case Status::IdTaken:
        return Message::tr("这个类别中已经有编号为“%1”的物品。").arg(o.detail);
    case Status::IdReserved:
        return Message::tr("编号“%1”留给游戏的特殊记录，不能使用。").arg(o.detail);
    case Status::EmptyDescriptionLine:
        return Message::tr("说明中不能有空行（空行会结束名字记录）。");
    case Status::NoNameRecord:
        return Message::tr("名字文件中没有“%1”的名字记录。新的名字记录来自“复制为新物品”："
                           "复制一件有名字的物品，再修改它的名字和说明。")
            .arg(o.detail);
    case Status::CellNotANumber:
        return Message::tr("“%1”不是数字，无法计算。").arg(o.detail);
    case Status::CellsSkipped:
        return Message::tr("有 %1 个格子显示“无”（物品没有这一项），没有修改。").arg(o.line);
    case Status::NameRecordShared:
        return Message::tr("名字文件中已经有“%1”的名字记录，这件物品与它共用这条记录。")
            .arg(o.detail);
    case Status::OutputIsGameFile:
        return Message::tr("“%1”是游戏文件夹中的游戏文件，输出不能写到它上面。").arg(path);
    case Status::NoSuchItem:
        return Message::tr("文件“%1”中没有物品“%2”。").arg(path, o.detail);
    case Status::NoSuchKey:
        return Message::tr("物品的记录中没有“%1=”这一行。").arg(o.detail);
    case Status::NotAField:
        return Message::tr("“%1”不是这一类物品在编辑器中可以修改的键。").arg(o.detail);
    case Status::BadItemName:
        return Message::tr("“%1”不是物品的名字：物品要写成“类别/编号”，"
                           "类别是 weapon、armor 或 implant，例如 weapon/heand。")
            .arg(o.detail);
    case Status::DuplicateId:
        return Message::tr("编号“%1”在这一类物品中重复：前面已有编号相同的记录。").arg(o.detail);
    case Status::ClassNotDigit:
        return Message::tr("“%1”：武器类别必须是 0 到 5 中的一个数字。").arg(o.detail);
    case Status::NotANumber:
        return Message::tr("“%1”：这个键的值必须是数字。").arg(o.detail);
    case Status::PairWithoutBlank:
        return Message::tr("“%1”：两个数之间必须有空格。").arg(o.detail);
    case Status::NoEndLine:
        return Message::tr("物品“%1”的记录没有结束行。").arg(o.detail);
    case Status::NoName:
        return Message::tr("物品“%1”在名字文件中没有名字。").arg(o.detail);
    case Status::PictureMissing:
        return Message::tr("找不到物品的图片“%1”。").arg(QDir::toNativeSeparators(o.detail));
    case Status::PictureUnnamed:
        return o.detail.isEmpty()
                   ? Message::tr("物品的记录中没有 VidMENU 行，无法知道它的图片。")
                   : Message::tr("由 VidMENU 的值“%1”得不出图片的文件名。").arg(o.detail);
    case Status::PictureBroken:
        return Message::tr("图片“%1”无法解码。").arg(QDir::toNativeSeparators(o.detail));
    case Status::PictureTruncated:
        return Message::tr("图片“%1”不完整：文件比图片需要的短。")
            .arg(QDir::toNativeSeparators(o.detail));
    case Status::Undecodable:
        return Message::tr("这一行有游戏文件的编码无法识别的字节。");
    case Status::LoneLineBreak:
        return Message::tr("第 %1 行在“%2”之后有单独的回车符或换行符（不是 CR LF），别的程序"
                           "可能把它当作两行；编辑器不修改这一行。")
            .arg(o.line)
            .arg(o.detail);
    case Status::NameRecordTwice:
        return Message::tr("名字文件再次出现“<%1>”：只有第一条是这个编号的名字记录。")
            .arg(o.detail);
    }
    return {};
}

} // namespace

QString describe(Effect effect) {
    switch (effect) {
    case Effect::NothingWritten:
        return Message::tr("没有写入任何内容，文件保持原样。");
    case Effect::ListKept:
        return Message::tr("物品列表没有改变。");
    case Effect::NamesEmpty:
        return Message::tr("物品的名字和说明将显示为空。");
    case Effect::Reloaded:
        return Message::tr("没有写入任何内容。编辑器已重新读取文件，撤销记录已清除。");
    case Effect::FirstRestored:
        return Message::tr("weapon.cfg 已恢复原样，两个文件都没有改变。");
    case Effect::Noted:
        return {};
    }
    return {};
}

QString describe(const Outcome& outcome) {
    if (!outcome.tell())
        return {};
    // A place in a text file (a patch's line and column) comes first, as compilers write it.
    if (outcome.column > 0) {
        Outcome about = outcome;
        about.path.clear();
        about.line = 0;
        about.column = 0;
        return QStringLiteral("%1:%2:%3: ")
                   .arg(QDir::toNativeSeparators(outcome.path))
                   .arg(outcome.line)
                   .arg(outcome.column) +
               describe(about);
    }
    if (!outcome.item.isEmpty()) {
        Outcome about = outcome;
        about.item.clear();
        return Message::tr("物品“%1”：").arg(outcome.item) + describe(about);
    }
    // The class check's message is the one the program has always shown, word for word.
    if (outcome.status == Status::ClassOutOfRange)
        return what(outcome);
    return what(outcome) + describe(outcome.effect);
}

} // namespace wed
