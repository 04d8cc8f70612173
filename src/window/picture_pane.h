#pragma once

#include "base/category.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <optional>

class QRadioButton;
class QWidget;

namespace wed {

class Document;
class PictureBox;

// The picture of the item shown and the two options that choose its small or large picture.
class PicturePane : public QObject {
    Q_OBJECT
  public:
    PicturePane(QWidget* client, const Document& document);

    PictureBox* box() const { return box_; }
    QRadioButton* smallOption() const { return small_; }
    QRadioButton* largeOption() const { return large_; }

    // The file of an item's picture in the folder's picture folder, in the size chosen, named
    // from its VidMENU text; none when no name can be formed or there is no picture folder.
    std::optional<QString> pathOf(CategoryId category, QStringView id, QStringView vidMenu) const;
    // The picture step: the box is cleared, then shows the picture 1:1 when the file holds one.
    void show(const std::optional<QString>& path);
    void showItem(CategoryId category, QStringView id, QStringView vidMenu) {
        show(pathOf(category, id, vidMenu));
    }

  signals:
    // The user chose the small or the large picture.
    void smallChosen();
    void largeChosen();

  private:
    const Document& document_;
    PictureBox* box_ = nullptr;
    QRadioButton* small_ = nullptr;
    QRadioButton* large_ = nullptr;
};

} // namespace wed
