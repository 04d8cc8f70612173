#include "window/problem_window.h"

#include "app/outcome_text.h"

#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>

namespace wed {

ProblemWindow::ProblemWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ProblemWindow"));
    setWindowTitle(QStringLiteral("检查游戏文件夹"));
    list_ = new QListWidget(this);
    list_->setAccessibleName(QStringLiteral("发现的问题"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    resize(640, 360);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { request(list_->row(item)); });
}

void ProblemWindow::setProblems(std::vector<Problem> problems) {
    problems_ = std::move(problems);
    list_->clear();
    for (const Problem& problem : problems_) {
        QString place = QFileInfo(problem.what.path).fileName();
        if (problem.what.line > 0)
            place += u':' + QString::number(problem.what.line);
        list_->addItem(place + QStringLiteral(": ") + describe(problem.what));
    }
    if (problems_.empty())
        list_->addItem(QStringLiteral("没有发现问题。"));
}

void ProblemWindow::request(int row) {
    if (row < 0 || size_t(row) >= problems_.size() || !problems_[size_t(row)].item)
        return;
    emit itemRequested(*problems_[size_t(row)].item);
}

} // namespace wed
