#pragma once

#include "app/document.h"
#include "base/category.h"

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace wed {

// The fields of one category's panel: a label and a text or choice box for each field of the
// category's table, placed by the window's field layout. It tells when the user changes a
// field's text, and shows the text the window gives it.
class CategoryPanel : public QObject {
    Q_OBJECT
  public:
    // Builds the fields inside the frames of the window's panel.
    CategoryPanel(CategoryId category, QWidget* window);

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

  signals:
    // The field's text changed, by typing or a pick, or as the program put it there.
    void edited(int field, EditKind kind);
    // The text shown changed: its marks are due again.
    void textChanged(int field);

  private:
    void connectField(int field);

    CategoryId category_;
    std::vector<QWidget*> fields_;
    std::vector<QLabel*> labels_;
};

} // namespace wed
