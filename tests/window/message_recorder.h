#pragma once

#include "window/prompts.h"

#include <QStringList>
#include <deque>

namespace wed::test {

// Keeps the window's messages instead of showing them, and answers its questions from a queue
// the test fills, so that no modal box blocks a test. An empty queue cancels.
class MessageRecorder final : public Prompts {
  public:
    void show(QWidget*, const QString& text, const QString&) override { texts.append(text); }
    bool confirm(QWidget*, const QString& text, const QString&) override {
        questions.append(text);
        return yes;
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        if (answers.empty())
            return std::nullopt;
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<NameRecordText> editNames(QWidget*, const QString&,
                                            const NameRecordText& text) override {
        shownNames.push_back(text);
        if (nameAnswers.empty())
            return std::nullopt;
        NameRecordText answer = nameAnswers.front();
        nameAnswers.pop_front();
        return answer;
    }

    std::optional<QString> askSavePath(QWidget*, const QString&, const QString&) override {
        return savePath;
    }

    QStringList texts;
    std::optional<QString> savePath;
    QStringList questions;
    bool yes = true;
    std::deque<QString> answers;
    std::deque<NameRecordText> nameAnswers;
    std::vector<NameRecordText> shownNames;
};

} // namespace wed::test
