#include "window/form1.h"

#include "app/outcome_text.h"
#include "app/program_title.h"
#include "app/shown_words.h"
#include "base/language.h"
#include "base/path_case.h"

#include "window/category_panel.h"
#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/editor_actions.h"
#include "window/field_layout.h"
#include "window/file_list_box.h"
#include "window/folder_browser.h"
#include "window/item_list_box.h"
#include "window/item_list_view.h"
#include "window/picture_box.h"
#include "window/picture_pane.h"
#include "window/prompts.h"
#include "window/tab_order.h"
#include "window/text_boxes.h"
#include "window/text_fit.h"
#include "window/title_banner.h"
#include "window/twips.h"
#include "window/window_fonts.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace wed {
namespace {

constexpr int kClientWidthTwips = 11250;
constexpr int kClientHeightTwips = 9675;

constexpr qreal kLargePanelPoints = 21.75;
constexpr qreal kCaptionPoints = 15;

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      defaultPrompts_(std::make_unique<ModalPrompts>()), prompts_(defaultPrompts_.get()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    actions_ = new EditorActions(*this);
    menuBar_ = actions_->menuBar();
    // The client area below the menu bar keeps its size, and every control its place in it.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    const QSize client(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, client.width(), menuHeight);
    client_->setGeometry(0, menuHeight, client.width(), client.height());
    setFixedSize(client.width(), client.height() + menuHeight);
    // The title letters stand along the top edge, behind the controls below them.
    banner_ = new TitleBanner(client_);
    buildPanels();
    buildNavigation();
    buildItemArea();
    connectFields();
    connectDocument();
    actions_->installKeys();
    applyTabOrder();
    retranslate();
}

// The base's destructor deletes the widgets after the window's own members are gone; nothing
// they send on the way (an edited choice box that loses the focus reports a pick) may reach
// the window or the objects it is made of.
Form1::~Form1() {
    const std::array<QObject*, 9> parts{this,       actions_,   list_,      folders_, picture_,
                                        panels_[0], panels_[1], panels_[2], view_};
    for (QObject* child : findChildren<QObject*>())
        for (QObject* part : parts) {
            child->removeEventFilter(part);
            disconnect(child, nullptr, part, nullptr);
        }
}

void Form1::buildPanels() {
    placed(new QGroupBox(client_), Control::WeaponPanel);
    placed(new QGroupBox(objectNameOf(Control::ArmorPanel), client_), Control::ArmorPanel)->hide();
    QGroupBox* implants = placed(new QGroupBox(client_), Control::ImplantPanel);
    implants->hide();
    QGroupBox* pairs =
        placed(new QGroupBox(container(layoutOf(Control::WeaponPanel).name)), Control::WeaponPairs);
    pairs->setFont(songFont(kCaptionPoints));

    estimateButton_ = placed(new QPushButton(implants), Control::PriceEstimate);
    estimateButton_->setFont(ownDefaultFont());
    priceBox_ = placed(new QLineEdit(implants), Control::PriceRange);
    priceBox_->setFont(songFont(kLargePanelPoints));

    for (const Category& c : categories())
        panels_[size_t(c.id)] = new CategoryPanel(c.id, this, document_, gate_);
}

void Form1::buildNavigation() {
    list_ = new ItemListView(client_, document_, comparison_);
    folders_ = new FolderBrowser(client_);
    categoryBox_ = placed(makeTypedComboBox(client_), Control::CategoryBox);
    for (const Category& c : categories())
        categoryBox_->addItem(c.word);
    categoryBox_->setCurrentIndex(0);

    connect(folders_, &FolderBrowser::fileChosen, this, [this] { File2_Click(); });
    connect(folders_, &FolderBrowser::refused, this, &Form1::reportRefusal);
    connect(categoryBox_, &QComboBox::activated, this, [this] { Combo4_Click(); });
    // An item is shown when its row is selected, by a click or by the keyboard.
    connect(list_->box(), &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->box()->currentItem() && list_->box()->currentItem()->isSelected())
            List1_Click();
    });
}

void Form1::buildItemArea() {
    picture_ = new PicturePane(client_, document_);
    connect(picture_, &PicturePane::smallChosen, this, [this] { Form1_Option1_Click(); });
    connect(picture_, &PicturePane::largeChosen, this, [this] { Form1_Option2_Click(); });
    connect(estimateButton_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    auto* nameLabel = placed(new QLabel(client_), Control::NameLabel);
    nameLabel->setFont(songFont(kCaptionPoints));
    nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameBox_ = placed(new QLineEdit(client_), Control::Name);
    nameLabel->setBuddy(nameBox_);
    descriptionBox_ = placed(new QPlainTextEdit(client_), Control::Description);
    descriptionBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    descriptionBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    descriptionBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

// Every text of the window, in the interface's language: at construction, and again whenever
// the language changes. The category box's words and the choice lists' entries are data (the
// handlers compare them, a pick writes them) and stay; their translations are their tooltips.
void Form1::retranslate() {
    findChild<QGroupBox*>(objectNameOf(Control::WeaponPairs))
        ->setTitle(tr("★★★ 以下属性注意保留空格！★★★"));
    estimateButton_->setText(tr("估计价格"));
    priceBox_->setAccessibleName(tr("价格范围"));
    for (CategoryPanel* panel : panels_) {
        panel->retranslate();
        for (int field = 0; field < int(panel->fields().size()); ++field)
            marks_->mark(panel->category(), field);
    }
    for (const Category& c : categories())
        describeEntry(categoryBox_, categoryBox_->findText(c.word), shownWord(c));
    list_->box()->setAccessibleName(tr("物品列表"));
    driveList()->setAccessibleName(tr("驱动器"));
    dirList()->setAccessibleName(tr("文件夹"));
    categoryBox_->setAccessibleName(tr("类别"));
    fileList()->setAccessibleName(tr("物品数据文件"));
    smallPictureOption()->setText(tr("小图"));
    largePictureOption()->setText(tr("大图"));
    picture()->setAccessibleName(tr("物品图片"));
    label(layoutOf(Control::NameLabel).name)->setText(tr("名字"));
    nameBox_->setAccessibleName(tr("名字"));
    descriptionBox_->setAccessibleName(tr("说明"));
    fitTexts();
    retranslateEditorMenus(menuBar_);
    for (QAction* action : list_->box()->actions()) {
        const EditorKey& key = editorKey(EditorAction(action->data().toInt()));
        // The names editor's keys work in the whole window; the entry shows them.
        action->setText(key.itemListOnly
                            ? shownText(key)
                            : shownText(key) + u'\t' +
                                  key.keys.front().toString(QKeySequence::PortableText));
    }
}

// In English the captions and the menu bar ask for a Latin font first (the one the system puts
// in for the Chinese family may draw Latin letters so wide or tall that the menus leave the
// bar), and the captions of one panel that need more room than the Chinese ones had get one
// smaller size together; in Chinese every text has the font it was built with, and the window
// stays as it always was.
void Form1::fitTexts() {
    const bool english = chosenLanguage() == Language::English;
    std::vector<std::vector<QWidget*>> groups{
        {findChild<QGroupBox*>(objectNameOf(Control::WeaponPairs))},
        {menuBar_},
        {estimateButton_},
        {smallPictureOption(), largePictureOption()},
        {label(layoutOf(Control::NameLabel).name)}};
    for (const CategoryPanel* panel : panels_)
        groups.emplace_back(panel->labels().begin(), panel->labels().end());
    for (const std::vector<QWidget*>& group : groups) {
        for (QWidget* widget : group)
            if (!builtFonts_.contains(widget))
                builtFonts_.insert(widget, widget->font());
        const QFont built = builtFonts_.value(group.front());
        fitFont(group, english ? latinFirst(built) : built, english);
    }
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// Each panel tells what became of the user's edit, and its marks follow its text.
void Form1::connectFields() {
    marks_ =
        std::make_unique<FieldMarks>(document_, comparison_, rules_, *list_, *picture_, panels_);
    for (CategoryPanel* panel : panels_) {
        const CategoryId category = panel->category();
        connect(panel, &CategoryPanel::reported, this, &Form1::report);
        connect(panel, &CategoryPanel::textChanged, this,
                [this, category](int field) { marks_->mark(category, field); });
    }
}

void Form1::connectDocument() {
    view_ = new ItemView(*this, *list_, *picture_, panels_, *marks_, gate_);
    connect(&comparison_, &Comparison::changed, this, &Form1::showMarks);
    // After the item view has followed the files: the mod's checks judge the item as written.
    connect(&document_, &Document::filesChanged, this, [this] { marks_->recheck(); });
    connect(&rules_, &DocumentRules::reread, this, [this] { marks_->recheck(); });
}

QWidget* Form1::container(const char* name) const {
    return findChild<QGroupBox*>(QLatin1String(name));
}

QString Form1::gameFolder() const {
    return folders_->folder();
}

QListWidget* Form1::itemList() const {
    return list_->box();
}

QString Form1::itemFilePath() const {
    return folders_->chosenFile();
}

DriveListBox* Form1::driveList() const {
    return folders_->driveList();
}
DirListBox* Form1::dirList() const {
    return folders_->folderList();
}
FileListBox* Form1::fileList() const {
    return folders_->fileList();
}
PictureBox* Form1::picture() const {
    return picture_->box();
}
QRadioButton* Form1::smallPictureOption() const {
    return picture_->smallOption();
}
QRadioButton* Form1::largePictureOption() const {
    return picture_->largeOption();
}

void Form1::Drive1_Change() {
    folders_->driveChanged();
}
void Form1::Dir1_Change() {
    folders_->folderChanged();
}

// Reads the item file chosen and its name file, and lists the category's items. Nothing
// changes when the category box names no category or the file cannot be read.
void Form1::File2_Click() {
    const Category* chosen = category();
    if (!chosen)
        return reportRefusal(WindowRefusal{WindowStatus::UnknownCategory, {}, Effect::ListKept});
    const QString path = itemFilePath();
    if (path.isEmpty())
        return reportRefusal(WindowRefusal{WindowStatus::NoFileChosen, {}, Effect::ListKept});
    const Outcome read = document_.open(path);
    if (read.refused()) {
        Outcome kept = read;
        kept.effect = Effect::ListKept;
        return report(kept);
    }
    view_->listItems(*chosen);
    report(read);
}

// Shows the category's panel; rebuilds the list only once an item has been shown (gate open).
void Form1::Combo4_Click() {
    view_->showCategoryPanel();
    if (gate_.isOpen())
        File2_Click();
}

void Form1::List1_Click() {
    view_->showChosen(list_->selectedEntry());
}

// A record shown without being chosen leaves the gate closed.
void Form1::ShowWeaponRecord() {
    view_->showUnchosen(CategoryId::Weapon);
}
void Form1::ShowArmorRecord() {
    view_->showUnchosen(CategoryId::Armor);
}
void Form1::ShowImplantRecord() {
    view_->showUnchosen(CategoryId::Implant);
}

// Reading the skill costs closes the gate; it stays closed until an item is shown.
void Form1::LoadSkillCosts() {
    view_->loadSkillCosts();
}

void Form1::Form1_Option1_Click() {
    view_->showPicture();
}
void Form1::Form1_Option2_Click() {
    view_->showPicture();
}

// Shows the price range of the implant shown; writes nothing.
void Form1::Command1_Click() {
    showText(priceBox_, view_->priceEstimate());
}

QString Form1::textOf(const char* control) const {
    return fieldText(fieldWidget(control));
}

Outcome Form1::compareWith(const QString& baseFolder) {
    const Outcome read = comparison_.setBase(baseFolder);
    if (read.refused())
        return read;
    showMarks();
    return {};
}

std::optional<WindowRefusal> Form1::openGameFolder(const QString& folder) {
    return folders_->openGameFolder(folder);
}

// Tab goes where a user works: the folder, the file, the category and the item, then the
// shown panel's fields, then the picture options and the name and description.
void Form1::applyTabOrder() {
    std::vector<QWidget*> chain{driveList(), dirList(), fileList(), categoryBox_, list_->box()};
    for (CategoryId category : {CategoryId::Weapon, CategoryId::Armor, CategoryId::Implant}) {
        if (category == CategoryId::Implant)
            chain.insert(chain.end(), {estimateButton_, priceBox_});
        for (QWidget* field : inReadingOrder(panels_[size_t(category)]->fields(), this))
            chain.push_back(field);
    }
    chain.insert(chain.end(),
                 {smallPictureOption(), largePictureOption(), nameBox_, descriptionBox_});
    chainTabOrder(chain);
}

QString Form1::categoryText() const {
    return categoryBox_->currentText();
}

QLineEdit* Form1::textBox(const char* control) const {
    return findChild<QLineEdit*>(QLatin1String(control));
}

QComboBox* Form1::comboBox(const char* control) const {
    return findChild<QComboBox*>(QLatin1String(control));
}

QLabel* Form1::label(const char* name) const {
    return findChild<QLabel*>(QLatin1String(name));
}

QWidget* Form1::fieldWidget(const char* control) const {
    CategoryId category;
    int field = -1;
    return fieldOfControl(control, category, field) ? panels_[size_t(category)]->field(field)
                                                    : nullptr;
}

const Category* Form1::category() const {
    return categoryForWord(categoryBox_->currentText());
}

void Form1::setPrompts(Prompts* sink) {
    prompts_ = sink ? sink : defaultPrompts_.get();
}

void Form1::message(const QString& text, const QString& title) {
    prompts_->show(this, text, title);
}

void Form1::report(const Outcome& outcome) {
    if (outcome.tell())
        message(describe(outcome));
}

void Form1::reportRefusal(const WindowRefusal& refusal) {
    message(describe(refusal));
}

} // namespace wed
