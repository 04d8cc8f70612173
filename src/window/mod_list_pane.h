#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace wed {

class Prompts;

// The base folder and the mods of a merge, in priority order: the top one lowest, a later mod
// wins over an earlier one, as load orders read. Buttons and keys change it: add a folder or a
// patch file, remove the mod selected (Delete), move it up or down (Alt+Up, Alt+Down).
class ModListPane : public QWidget {
    Q_OBJECT
  public:
    ModListPane(Prompts& prompts, QWidget* parent = nullptr);

    const QString& base() const { return base_; }
    void setBase(const QString& folder);
    // The mods' paths, lowest first.
    const QStringList& mods() const { return mods_; }
    void setMods(const QStringList& paths);
    QListWidget* list() const { return list_; }

    void addFolder();
    void addPatch();
    void removeSelected();
    // Moves the mod selected by `by` places (-1: up), keeping it selected.
    void moveSelected(int by);

  signals:
    // The base or the mods, or their order, changed.
    void changed();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void fill(int selected);
    void add(const QString& path);
    QPushButton* button(const char* name, void (ModListPane::*run)());

    Prompts& prompts_;
    QString base_;
    QStringList mods_;
    QLabel* baseLabel_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace wed
