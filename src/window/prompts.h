#pragma once

#include "app/document.h"

#include <QString>
#include <optional>

class QWidget;

namespace wed {

// Everything the window asks or tells the user in a dialog of its own goes through this
// interface, so that a test can answer instead of waiting for a user to close a modal box.
class Prompts {
  public:
    virtual ~Prompts() = default;
    // Shows the text and returns when the user has seen it. An empty title means the
    // application's name.
    virtual void show(QWidget* parent, const QString& text, const QString& title = {}) = 0;
    // A question answered yes (true) or no.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& title) = 0;
    // A line of text, starting from `text`; none when cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) = 0;
    // An item's name and description lines, starting from `text`; none when cancelled.
    virtual std::optional<NameRecordText> editNames(QWidget* parent, const QString& title,
                                                    const NameRecordText& text) = 0;
    // Where to save a file, starting from `suggested`, of the types of the filter ("CSV
    // (*.csv)"); none when cancelled.
    virtual std::optional<QString> askSavePath(QWidget* parent, const QString& title,
                                               const QString& suggested, const QString& filter) = 0;
    // A file to open, of the types of the filter; none when cancelled.
    virtual std::optional<QString> askOpenPath(QWidget* parent, const QString& title,
                                               const QString& filter) = 0;
    // A folder, such as a game folder; none when cancelled.
    virtual std::optional<QString> askFolder(QWidget* parent, const QString& title) = 0;
};

// The ordinary dialogs: modal boxes, with no icon for a message.
class ModalPrompts final : public Prompts {
  public:
    void show(QWidget* parent, const QString& text, const QString& title = {}) override;
    bool confirm(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    std::optional<NameRecordText> editNames(QWidget* parent, const QString& title,
                                            const NameRecordText& text) override;
    std::optional<QString> askSavePath(QWidget* parent, const QString& title,
                                       const QString& suggested, const QString& filter) override;
    std::optional<QString> askOpenPath(QWidget* parent, const QString& title,
                                       const QString& filter) override;
    std::optional<QString> askFolder(QWidget* parent, const QString& title) override;
};

} // namespace wed
