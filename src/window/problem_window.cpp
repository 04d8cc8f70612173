#include "window/problem_window.h"

#include "app/rule_text.h"

#include <QEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>

namespace wed {

ProblemWindow::ProblemWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ProblemWindow"));
    list_ = new QListWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    resize(640, 360);
    retranslate();
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { request(list_->row(item)); });
}

void ProblemWindow::setProblems(std::vector<Problem> problems, std::vector<RuleError> ruleErrors) {
    problems_ = std::move(problems);
    ruleErrors_ = std::move(ruleErrors);
    list_->clear();
    for (const RuleError& error : ruleErrors_)
        list_->addItem(describeRuleError(error));
    for (const Problem& problem : problems_) {
        QString place = QFileInfo(problem.what.path).fileName();
        if (problem.what.line > 0)
            place += u':' + QString::number(problem.what.line);
        list_->addItem(place + QStringLiteral(": ") + problemMessage(problem));
    }
    if (list_->count() == 0)
        list_->addItem(tr("没有发现问题。"));
}

// Every text of the window, in the interface's language; again when it changes.
void ProblemWindow::retranslate() {
    setWindowTitle(tr("检查游戏文件夹"));
    list_->setAccessibleName(tr("发现的问题"));
    if (list_->count() > 0)
        setProblems(std::move(problems_), std::move(ruleErrors_));
}

void ProblemWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ProblemWindow::request(int row) {
    row -= int(ruleErrors_.size());
    if (row < 0 || size_t(row) >= problems_.size() || !problems_[size_t(row)].item)
        return;
    emit itemRequested(*problems_[size_t(row)].item);
}

} // namespace wed
