#pragma once

#include "app/comparison.h"
#include "app/document.h"
#include "app/document_rules.h"
#include "app/folder_watch.h"
#include "data/item_fields.h"
#include "data/skill_costs.h"
#include "window/category_panel.h"
#include "window/edit_gate.h"
#include "window/editor_keys.h"
#include "window/field_marks.h"
#include "window/item_list_view.h"
#include "window/item_view.h"
#include "window/window_status.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QRadioButton;

namespace wed {

class ComparisonWindow;
class DirListBox;
class DriveListBox;
class EditorActions;
class FileListBox;
class FolderBrowser;
class HistoryWindow;
class ItemListBox;
class Prompts;
class PictureBox;
class PicturePane;
class TableWindow;
class ProblemWindow;
class TitleBanner;

// The editor's one window, a view of the editing document, composed of objects: the folder
// browser, the category box, the item list with its find filter, a panel per category, the item
// view that shows the chosen item in them, the marks on the fields, the picture pane and the
// editor's actions. It owns the edit gate they share. Every change of the files goes to the
// document, and the window's objects follow what the document says changed.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    Document& document() { return document_; }
    const Document& document() const { return document_; }

    // Starts on a game folder given on the command line: the folder is shown and its weapon.cfg
    // opened, as a user would. A folder that is missing or holds no weapon.cfg changes nothing.
    std::optional<WindowRefusal> openGameFolder(const QString& folder);

    // The folder browser's and the category box's handlers.
    void Drive1_Change();
    void Dir1_Change();
    void File2_Click();
    void Combo4_Click();

    // Item selection, the record views and the skill costs.
    void List1_Click();
    void ShowWeaponRecord();
    void ShowArmorRecord();
    void ShowImplantRecord();
    void LoadSkillCosts();
    // The text of a field, whether a text box or a choice box.
    QString textOf(const char* control) const;

    // Picture options and the price estimator.
    void Form1_Option1_Click();
    void Form1_Option2_Click();
    void Command1_Click();

    // The edit gate: open while changes of field text are the user's.
    bool gateOpen() const { return gate_.isOpen(); }
    EditGate& gate() { return gate_; }
    // The category the category box's text names, or null for any other text.
    const Category* category() const;
    // The item list: the entries of a category, those the find filter lets through, the one
    // shown.
    const ItemListView& items() const { return *list_; }
    // A category's panel: its fields and the item it shows, if any.
    const CategoryPanel& panel(CategoryId category) const { return *panels_[size_t(category)]; }
    const SkillCosts& skillCosts() const { return view_->skillCosts(); }

    // The game folder browsed, and the item file chosen in it (empty when none is).
    QString gameFolder() const;
    QString itemFilePath() const;
    QString categoryText() const;

    // Controls, found by their object names.
    QLineEdit* textBox(const char* control) const;
    QComboBox* comboBox(const char* control) const;
    QLabel* label(const char* name) const;
    // The text or choice box of a field.
    QWidget* fieldWidget(const char* control) const;
    QListWidget* itemList() const;
    QLineEdit* nameBox() const { return nameBox_; }
    QPlainTextEdit* descriptionBox() const { return descriptionBox_; }
    QLineEdit* priceBox() const { return priceBox_; }
    PictureBox* picture() const;
    QRadioButton* smallPictureOption() const;
    QRadioButton* largePictureOption() const;
    FolderBrowser& folders() const { return *folders_; }
    DirListBox* dirList() const;
    FileListBox* fileList() const;
    DriveListBox* driveList() const;
    QComboBox* categoryBox() const { return categoryBox_; }
    TitleBanner* titleBanner() const { return banner_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // The area of the controls, below the menu bar.
    QWidget* clientArea() const { return client_; }

    // Messages to the user. Tests hand in a sink of their own; null restores the message box.
    void setPrompts(Prompts* sink);
    void message(const QString& text, const QString& title = {});
    // Shows what the user must know of an outcome; nothing when it was done or ignored.
    void report(const Outcome& outcome);
    void reportRefusal(const WindowRefusal& refusal);

    Prompts& prompts() { return *prompts_; }
    // The menu bar, keys and actions of the editor.
    EditorActions& actions() { return *actions_; }
    const EditorActions& actions() const { return *actions_; }
    // Shows where a step or a problem belongs: its category, its item selected and shown,
    // and the field's text as it was on that side of the step.
    void showPlace(const StepPlace& place) { view_->showPlace(place); }
    // The comparison with a base folder, and the marks it puts on the list and the fields.
    Outcome compareWith(const QString& baseFolder);
    Comparison& comparison() { return comparison_; }
    const Comparison& comparison() const { return comparison_; }
    void showMarks() { marks_->showAll(); }
    FolderWatch& folderWatch() { return watch_; }
    // The rules of the open folder and the --rules files.
    DocumentRules& documentRules() { return rules_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void fitTexts();
    void buildPanels();
    void buildNavigation();
    void buildItemArea();
    void connectFields();
    void connectDocument();
    void applyTabOrder();
    QWidget* container(const char* name) const;

    Document document_;
    Comparison comparison_{document_};
    FolderWatch watch_{document_};
    DocumentRules rules_{document_, comparison_};

    // Whose a change of field text is: the user's once an item is shown.
    EditGate gate_;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    TitleBanner* banner_ = nullptr;
    ItemListView* list_ = nullptr;
    FolderBrowser* folders_ = nullptr;
    QComboBox* categoryBox_ = nullptr;
    PicturePane* picture_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QPlainTextEdit* descriptionBox_ = nullptr;
    QLineEdit* priceBox_ = nullptr;
    QPushButton* estimateButton_ = nullptr;
    EditorActions* actions_ = nullptr;
    // The fields of each category, and the item each shows.
    std::array<CategoryPanel*, 3> panels_{};
    std::unique_ptr<FieldMarks> marks_;
    ItemView* view_ = nullptr;
    // The font each caption was built with, which fitTexts starts from.
    QHash<const QWidget*, QFont> builtFonts_;

    std::unique_ptr<Prompts> defaultPrompts_;
    Prompts* prompts_ = nullptr;
};

} // namespace wed
