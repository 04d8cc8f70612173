#pragma once

#include "base/category.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace wed {

class CategoryPanel;
class Comparison;
class Document;
class DocumentRules;
class ItemListView;
class PicturePane;

// What the window marks of a value: the item list marks the items that differ from the base
// folder or that it lacks; a field shows the base's value when its own differs, and a red frame
// while its text is a value the folder check would report, or while the mod's own checks flag
// the item shown for the field's key; a field whose key line holds a lone line break is
// read-only, with the reason.
class FieldMarks {
    Q_DECLARE_TR_FUNCTIONS(FieldMarks)

  public:
    FieldMarks(const Document& document, const Comparison& comparison, DocumentRules& rules,
               ItemListView& list, const PicturePane& picture,
               const std::array<CategoryPanel*, 3>& panels);

    // Every mark of the list and the fields, as the comparison now says.
    void showAll();
    // A field's marks, as its text and the files now are.
    void mark(CategoryId category, int field);
    // Every field of a panel, its item's checks run anew: it shows another item.
    void markPanel(CategoryId category);
    // Runs the mod's checks on the item each panel shows again (the files or the rules
    // changed), and marks the fields whose verdict changed.
    void recheck();

  private:
    // What the mod's checks say of each field of the item a panel shows.
    std::vector<QString> ruleNotes(CategoryId category);
    std::optional<QString> baseNote(const CategoryPanel& panel, int field) const;
    std::optional<QString> checkNote(const CategoryPanel& panel, int field) const;
    std::optional<QString> lockNote(const CategoryPanel& panel, int field) const;

    const Document& document_;
    const Comparison& comparison_;
    ItemListView& list_;
    const PicturePane& picture_;
    std::array<CategoryPanel*, 3> panels_;
    DocumentRules& rules_;
    // Per category, per field: the mod's checks' words, as last run; empty for none.
    std::array<std::vector<QString>, 3> ruleNotes_;
};

} // namespace wed
