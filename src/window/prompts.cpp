#include "window/prompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace wed {
namespace {

struct PromptWords {
    Q_DECLARE_TR_FUNCTIONS(PromptWords)
};

QString titleOr(const QString& title) {
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

} // namespace

void ModalPrompts::show(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOr(title), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ModalPrompts::confirm(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, titleOr(title), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> ModalPrompts::askText(QWidget* parent, const QString& title,
                                             const QString& label, const QString& text) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &accepted);
    return accepted ? std::optional(answer) : std::nullopt;
}

// The name in one line, the description one line per line of the box, both whole.
std::optional<NameRecordText> ModalPrompts::editNames(QWidget* parent, const QString& title,
                                                      const NameRecordText& text) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* name = new QLineEdit(text.name, &dialog);
    auto* description = new QPlainTextEdit(text.description.join(u'\n'), &dialog);
    description->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* form = new QFormLayout(&dialog);
    form->addRow(PromptWords::tr("名字"), name);
    form->addRow(PromptWords::tr("说明"), description);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.resize(520, 360);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString lines = description->toPlainText();
    return NameRecordText{name->text(), lines.isEmpty() ? QStringList() : lines.split(u'\n')};
}

std::optional<QString> ModalPrompts::askSavePath(QWidget* parent, const QString& title,
                                                 const QString& suggested, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, title, suggested, filter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QString> ModalPrompts::askOpenPath(QWidget* parent, const QString& title,
                                                 const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, title, {}, filter);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QString> ModalPrompts::askFolder(QWidget* parent, const QString& title) {
    const QString path = QFileDialog::getExistingDirectory(parent, title);
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

} // namespace wed
