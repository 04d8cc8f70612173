#pragma once

#include "window/message_box.h"

#include <QStringList>

namespace wed::test {

// Keeps the window's messages instead of showing them, so that no modal box blocks a test.
class MessageRecorder final : public MessageSink {
  public:
    void show(QWidget*, const QString& text, const QString&) override { texts.append(text); }
    QStringList texts;
};

} // namespace wed::test
