#pragma once

#include "app/document.h"
#include "base/category.h"
#include "data/skill_costs.h"

#include <QObject>
#include <array>
#include <optional>
#include <vector>

namespace wed {

class CategoryPanel;
class EditGate;
class FieldMarks;
class Form1;
class ItemListView;
class PicturePane;

// The item the window shows: the entry chosen in the list, shown in its category's panel with
// its picture, name and description, and the implants' skill costs for the price estimate. It
// follows the document: its writes, its reading of the files again, and the steps of its
// history, which it shows where they belong.
class ItemView : public QObject {
    Q_OBJECT
  public:
    ItemView(Form1& window, ItemListView& list, PicturePane& picture,
             const std::array<CategoryPanel*, 3>& panels, FieldMarks& marks, EditGate& gate);

    // The entry chosen: its category's panel shows it, and the gate opens.
    void showChosen(int entry);
    // The entry selected, shown in a category's panel without being chosen: the gate stays
    // closed.
    void showUnchosen(CategoryId category);
    // Lists the category's items anew; a list of implants reads the skill costs.
    void listItems(const Category& category);
    // Reads the implants' skill costs, closing the gate until an item is shown.
    void loadSkillCosts();
    const SkillCosts& skillCosts() const { return skillCosts_; }
    // The price range of the implant shown, from its fields' text.
    QString priceEstimate() const;
    // The shown item's picture in the size chosen, from its VidMENU field's current text.
    void showPicture();
    // The list filter hid the item shown: its panel shows none, the gate closes.
    void hideShown();

    // Where a step or a problem belongs: its category, its item selected and shown, and the
    // field's text as it was on that side of the step.
    void showPlace(const StepPlace& place);
    // The category the document chose: the box names it, and its panel is shown.
    void showCategoryWord(const Category& chosen);
    // The panel of the category the box names, the others hidden.
    void showCategoryPanel();

  private:
    void showRecord(CategoryId category, int entry, bool selection);
    void showCells(const std::vector<StepCell>& cells, bool undone);
    void followFiles(const FilesChanged& changed);
    void relistItems();
    void dropPanels();
    void showAgain();

    Form1& window_;
    Document& document_;
    ItemListView& list_;
    PicturePane& picture_;
    std::array<CategoryPanel*, 3> panels_;
    FieldMarks& marks_;
    EditGate& gate_;
    std::optional<ItemRef> dropped_; // the item shown when the files were replaced
    SkillCosts skillCosts_;
};

} // namespace wed
