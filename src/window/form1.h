#pragma once

#include "base/line_buffer.h"
#include "data/item_fields.h"
#include "data/skill_costs.h"

#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace wed {

class DirListBox;
class DriveListBox;
class FileListBox;
class MessageSink;
class PictureObject;
class TitleBanner;

// The editor's one window. It owns all state: the line buffers of weapon.cfg and of the name
// file, the game folder (the path of Dir1 and File2), the picture folder, the category (Combo4's
// text), the item list and the edit gate. Every behaviour is one of its handlers.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Navigation handlers (form1_navigation.cpp).
    void Drive1_Change();
    void Dir1_Change();
    void File2_Click();
    void Combo4_Click();

    // Item selection, the record views and the skill costs (form1_item_view.cpp).
    void List1_Click();
    void ShowWeaponRecord();
    void ShowArmorRecord();
    void ShowImplantRecord();
    void LoadSkillCosts();
    // The skill costs kept in the tags of their labels.
    SkillCosts skillCosts() const;
    // The text of a field, whether a text box or a choice box.
    QString textOf(const char* control) const;

    // Editing (form1_editing.cpp): every change of a field's text, by the program or the user.
    void fieldTextChanged(const FieldSpec& field);

    // Picture options and the price estimator (form1_picture.cpp).
    void Form1_Option1_Click();
    void Form1_Option2_Click();
    void Command1_Click();

    // State. The edit gate is 1 while changes of field text are the user's.
    int editGate() const { return check1_; }
    void setEditGate(int value) { check1_ = value; }
    LineBuffer& itemBuffer() { return text00_; }
    const LineBuffer& itemBuffer() const { return text00_; }
    const LineBuffer& nameBuffer() const { return text01_; }
    const QString& pictureFolder() const { return file1_; }
    void setPictureFolder(const QString& folder) { file1_ = folder; }
    // The game folder: the path of Dir1 and of File2.
    QString gameFolder() const;
    // File2's path and its selected file name; empty when no file is selected.
    QString itemFilePath() const;
    // The category box's text.
    QString categoryText() const;
    const Category* currentCategory() const;

    // Controls, found by their object names.
    QLineEdit* textBox(const char* control) const;
    QComboBox* comboBox(const char* control) const;
    QLabel* label(const char* name) const;
    // The text or choice box of a field.
    QWidget* fieldWidget(const char* control) const;
    QListWidget* itemList() const { return list1_; }
    QLineEdit* nameBox() const { return text29_; }
    QPlainTextEdit* descriptionBox() const { return text28_; }
    QLineEdit* priceBox() const { return text38_; }
    QWidget* picture() const { return pic1_; }
    QRadioButton* option1() const { return option1_; }
    QRadioButton* option2() const { return option2_; }
    DirListBox* dirList() const { return dir1_; }
    FileListBox* fileList() const { return file2_; }
    DriveListBox* driveList() const { return drive1_; }
    QComboBox* categoryBox() const { return combo4_; }
    TitleBanner* titleBanner() const { return banner_; }

    // Messages to the user. Tests hand in a sink of their own; null restores the message box.
    void setMessageSink(MessageSink* sink);
    void message(const QString& text, const QString& title = {});

  private:
    void resetFields(CategoryId category);
    void showRecord(CategoryId category);
    void showItemPicture(const QString& vidMenu, bool heand);
    void showPictureForOption();
    PictureObject* pictureObject() const;
    void reloadAfterExternalChange();

    void buildPanels();
    void buildFields(CategoryId category);
    void buildNavigation();
    void showStartFolder();
    void buildItemArea();
    void connectFields();
    void applyTabOrder();
    std::vector<QWidget*> fieldsInReadingOrder(CategoryId category) const;
    QWidget* container(const char* name) const;
    void openFolder(const QString& path);
    bool loadGameFiles();
    void rebuildItemList(const Category& category);

    // Storage: plain state instead of hidden controls.
    LineBuffer text00_;
    LineBuffer text01_;
    QString file1_;
    int check1_ = 0;

    TitleBanner* banner_ = nullptr;
    QListWidget* list1_ = nullptr;
    DriveListBox* drive1_ = nullptr;
    DirListBox* dir1_ = nullptr;
    QComboBox* combo4_ = nullptr;
    FileListBox* file2_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QWidget* pic1_ = nullptr;
    QLineEdit* text29_ = nullptr;
    QPlainTextEdit* text28_ = nullptr;
    QLineEdit* text38_ = nullptr;
    QPushButton* command1_ = nullptr;
    QHash<QString, QWidget*> fields_;
    // The folder last shown on each drive, so that picking a drive returns to it.
    QHash<QString, QString> driveFolders_;

    std::unique_ptr<MessageSink> defaultMessages_;
    MessageSink* messages_ = nullptr;
};

} // namespace wed
