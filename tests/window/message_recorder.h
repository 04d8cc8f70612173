#pragma once

#include "window/prompts.h"

#include <QStringList>
#include <deque>

namespace wed::test {

// Keeps the window's messages instead of showing them, and answers its questions (yes) and
// requests from a queue the test fills, so that no modal box blocks a test. An empty queue
// cancels.
class MessageRecorder final : public Prompts {
  public:
    void show(QWidget*, const QString& text, const QString&) override { texts.append(text); }
    bool confirm(QWidget*, const QString& text, const QString&) override {
        questions.append(text);
        return true;
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return next(answers);
    }
    std::optional<NameRecordText> editNames(QWidget*, const QString&,
                                            const NameRecordText& text) override {
        shownNames.push_back(text);
        return next(nameAnswers);
    }
    std::optional<QString> askSavePath(QWidget*, const QString&, const QString&,
                                       const QString&) override {
        return savePath;
    }
    std::optional<QString> askFolder(QWidget*, const QString&) override { return next(folders); }
    std::optional<QString> askOpenPath(QWidget*, const QString&, const QString&) override {
        return next(openPaths);
    }

    QStringList texts;
    std::optional<QString> savePath;
    std::deque<QString> openPaths;
    QStringList questions;
    std::deque<QString> answers;
    std::deque<QString> folders;
    std::deque<NameRecordText> nameAnswers;
    std::vector<NameRecordText> shownNames;

  private:
    template <typename T> static std::optional<T> next(std::deque<T>& queue) {
        if (queue.empty())
            return std::nullopt;
        T front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace wed::test
