#pragma once

#include <QString>

class QWidget;

namespace wed {

// Every message the window shows goes through this interface, so that a test can record the
// messages instead of waiting for a user to close a modal box.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Shows the text and returns when the user has seen it. An empty title means the
    // application's name.
    virtual void show(QWidget* parent, const QString& text, const QString& title = {}) = 0;
};

// The ordinary sink: a modal message box with an OK button and no icon.
class ModalMessageBox final : public MessageSink {
  public:
    void show(QWidget* parent, const QString& text, const QString& title = {}) override;
};

} // namespace wed
