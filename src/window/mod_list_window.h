#pragma once

#include "app/merge_session.h"
#include "base/outcome.h"
#include "window/window_status.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace wed {

class Document;
class MergeTree;
class ModListPane;
class Prompts;

// The mod list window: the base and the mods in priority order, the tree of everything they
// change with each mod's role in it, the user's choices of conflicts' winners, and the merge
// written to a new folder, applied to the open folder (through the patch preview, as one step
// of the history) or exported as a patch. The list, with its choices, is saved and opened as
// a mod list file.
class ModListWindow : public QWidget {
    Q_OBJECT
  public:
    ModListWindow(Document& document, Prompts& prompts, QWidget* parent = nullptr);

    // Starts on a base folder (the open folder, by default).
    void setBase(const QString& folder);
    ModListPane* pane() const { return pane_; }
    MergeTree* tree() const { return tree_; }
    const MergeSession& session() const { return session_; }

    // The value of the current cell wins its conflict; the choice of the current row is taken
    // back.
    void takeValue();
    void takeBack();
    void openList();
    void saveList();
    void writeFolder();
    void applyToFolder();
    void exportPatch();

  signals:
    void outcome(const wed::Outcome& outcome);
    void refused(const wed::WindowRefusal& refusal);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void listChanged();
    void showMerge();
    void followCurrent();
    void tell(const QString& text);
    // Reads the mods again before their merge is written; false when one is refused now.
    bool readAgain();

    Document& document_;
    Prompts& prompts_;
    MergeSession session_;
    ModListPane* pane_ = nullptr;
    MergeTree* tree_ = nullptr;
    QCheckBox* conflictsOnly_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* take_ = nullptr;
    QPushButton* takeBack_ = nullptr;
};

} // namespace wed
