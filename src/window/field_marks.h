#pragma once

#include "base/category.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

namespace wed {

class CategoryPanel;
class Comparison;
class Document;
class ItemListView;
class PicturePane;

// What the window marks of a value: the item list marks the items that differ from the base
// folder or that it lacks; a field shows the base's value when its own differs, and a red frame
// while its text is a value the folder check would report; a field whose key line holds a lone
// line break is read-only, with the reason.
class FieldMarks {
    Q_DECLARE_TR_FUNCTIONS(FieldMarks)

  public:
    FieldMarks(const Document& document, const Comparison& comparison, ItemListView& list,
               const PicturePane& picture, const std::array<CategoryPanel*, 3>& panels);

    // Every mark of the list and the fields, as the comparison now says.
    void showAll();
    // A field's marks, as its text and the files now are.
    void mark(CategoryId category, int field);

  private:
    std::optional<QString> baseNote(const CategoryPanel& panel, int field) const;
    std::optional<QString> checkNote(const CategoryPanel& panel, int field) const;
    std::optional<QString> lockNote(const CategoryPanel& panel, int field) const;

    const Document& document_;
    const Comparison& comparison_;
    ItemListView& list_;
    const PicturePane& picture_;
    std::array<CategoryPanel*, 3> panels_;
};

} // namespace wed
