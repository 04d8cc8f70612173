#pragma once

#include "app/document.h"
#include "base/category.h"
#include "window/item_panel.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

namespace wed {

class EditGate;

// One category's panel: a label and a text or choice box for each field of the category's
// table, placed by the window's field layout, and the item it shows. While the window's edit
// gate is open, a change of a field's text is the user's, and the panel has the document
// rewrite the field's key line; the panel follows the document's writes.
class CategoryPanel : public QObject {
    Q_OBJECT
  public:
    // Builds the fields inside the frames of the window's panel.
    CategoryPanel(CategoryId category, QWidget* window, Document& document, EditGate& gate);

    CategoryId category() const { return category_; }
    const std::vector<QWidget*>& fields() const { return fields_; }
    QWidget* field(int index) const { return fields_[size_t(index)]; }
    const std::vector<QLabel*>& labels() const { return labels_; }
    // The text of a field, whether a text box or a choice box.
    QString text(int field) const;
    // Puts text into a field, as the program does (not as typing).
    void showText(int field, const QString& text);
    // Every field shows "无": no item is shown.
    void showNone();
    // The captions, helps and the choice entries' translations in the interface's language.
    void retranslate();

    // The item shown, if any.
    const std::optional<ItemPanel>& shown() const { return shown_; }
    // Shows the record whose header line stands at `header` (-1: none); fields whose key the
    // record lacks keep what they show.
    void show(const ItemRef& item, qsizetype header);
    // The panel shows no item any more; cleared, every field shows "无".
    void forget() { shown_.reset(); }
    void clear();
    // Shows a field's text as a step of the history left it, as the program puts text.
    void showStepText(int field, const QString& text);
    // Follows a write of the item file: the record by where its header line went.
    void follow(const FilesChanged& changed);

  signals:
    // The field's text changed, by typing or a pick, or as the program put it there.
    void edited(int field, EditKind kind);
    // The text shown changed: its marks are due again.
    void textChanged(int field);
    // What became of the user's edit, for the window to tell.
    void reported(const wed::Outcome& outcome);

  private:
    void connectField(int field);
    void edit(int field, EditKind kind);

    CategoryId category_;
    Document& document_;
    EditGate& gate_;
    std::optional<ItemPanel> shown_;
    std::vector<QWidget*> fields_;
    std::vector<QLabel*> labels_;
};

} // namespace wed
