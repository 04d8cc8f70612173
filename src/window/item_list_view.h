#pragma once

#include "base/category.h"
#include "data/item_list.h"
#include "data/item_ref.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace wed {

class Comparison;
class Document;
class ItemListBox;

// The item list as the window shows it: the entries of one category's items, those the find
// text lets through, the entry of the item shown (selected) and the marks of the comparison.
class ItemListView : public QObject {
    Q_OBJECT
  public:
    ItemListView(QWidget* client, const Document& document, const Comparison& comparison);

    ItemListBox* box() const { return box_; }
    const std::vector<ListEntry>& entries() const { return entries_; }
    const Category* category() const { return category_; }
    const std::vector<int>& visibleEntries() const { return visible_; }
    int shownEntry() const { return shownEntry_; }
    // The entry of the selected row; -1 for none.
    int selectedEntry() const;
    ItemRef itemOf(int entry) const;
    const QString& nameOf(int entry) const;
    // The entry whose record opens at that header line; -1 for none.
    int entryOfHeader(qsizetype headerLine) const;
    int rowOfEntry(int entry) const;

    // Lists the category's items anew, nothing shown; true when the file holds skill costs.
    bool list(const Category& category);
    // Lists them again after a change of the file; the item shown stays shown, at the entry
    // of its header line (none: nothing is shown).
    void relist(std::optional<qsizetype> shownHeader);
    // The entry shown, selected without announcing it; the one the filter hid is forgotten.
    void setShown(int entry);
    // The item shown is gone with the files it came from; the selection stays as it is.
    void forgetShown() { shownEntry_ = -1; }
    // The name file changed: the names are read again when next asked for.
    void forgetNames() { names_.reset(); }
    // Empties the find text and closes its box, so that every entry is listed.
    void clearFind();
    // Marks every row as the comparison says.
    void markRows();

  signals:
    // The filter hid the item shown; clearing it asks to show that item again.
    void shownHidden();
    void showAgain(int entry);
    // Another entry is shown (setShown).
    void shownChanged();

  private:
    void applyFind();
    void setFind(const QString& text);
    void showList();
    void markRow(int row);

    const Document& document_;
    const Comparison& comparison_;
    ItemListBox* box_ = nullptr;
    std::vector<ListEntry> entries_;
    const Category* category_ = nullptr;
    QString findText_;
    std::vector<int> visible_;
    mutable std::optional<std::vector<QString>> names_;
    int shownEntry_ = -1;
    int hiddenEntry_ = -1; // the entry the filter hid while it was shown
};

} // namespace wed
