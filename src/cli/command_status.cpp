#include "cli/command_status.h"

#include "base/code_page.h"

#include <QCoreApplication>
#include <QDir>

namespace wed::cli {
namespace {

// The context every outcome's words share in the translation.
struct Message {
    Q_DECLARE_TR_FUNCTIONS(Message)
};

} // namespace

QString describe(CommandStatus status, const QString& detail, const QString& reason) {
    switch (status) {
    case CommandStatus::UnknownCommand:
        return Message::tr("没有“%1”这个命令。").arg(detail) +
               Message::tr("运行 weapon-editor help 查看用法。");
    case CommandStatus::BadArguments:
        return Message::tr("命令 %1 的参数不对。用法：").arg(detail);
    case CommandStatus::BadCategory:
        return Message::tr("“%1”不是类别：类别是 weapon、armor 或 implant。").arg(detail);
    case CommandStatus::BadCount:
        return Message::tr("--nth 后面要写一个从 1 起的整数，“%1”不是。").arg(detail);
    case CommandStatus::BadCodePage:
        return Message::tr("--code-page 后面要写代码页的名字（%1），“%2”不是。")
            .arg(codePageNames().join(Message::tr("、")), detail);
    case CommandStatus::BadLanguage:
        return Message::tr("--lang 后面要写 zh（中文）或 en（英文），“%1”不是。").arg(detail);
    case CommandStatus::FolderMissing:
        return Message::tr("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(detail));
    case CommandStatus::NotStarted:
        return Message::tr("无法启动编辑器窗口的程序“%1”（%2）。")
            .arg(QDir::toNativeSeparators(detail), reason);
    case CommandStatus::OutputFailed:
        return Message::tr("命令的输出无法写出（%1）。").arg(detail);
    }
    return {};
}

} // namespace wed::cli
