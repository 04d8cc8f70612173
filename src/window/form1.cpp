#include "window/form1.h"

#include "app/outcome_text.h"
#include "app/shown_words.h"
#include "app/title_animation.h"
#include "base/language.h"
#include "base/path_case.h"

#include "window/dir_list_box.h"
#include "window/drive_list_box.h"
#include "window/file_list_box.h"
#include "window/item_list_box.h"
#include "window/picture_box.h"
#include "window/prompts.h"
#include "window/text_boxes.h"
#include "window/text_fit.h"
#include "window/title_banner.h"
#include "window/twips.h"
#include "window/window_fonts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
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

constexpr qreal kWeaponLabelPoints = 15.75;
constexpr qreal kLargePanelPoints = 21.75;
constexpr qreal kCaptionPoints = 15;

template <typename W> W* place(W* widget, const char* name, const QRect& pixels) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(pixels);
    return widget;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption,
                     const QRect& pixels) {
    return place(new QGroupBox(caption, parent), name, pixels);
}

// A text box, or for a choice field an editable drop-down list with its whole list and no text.
QWidget* makeFieldWidget(const FieldSpec& field, QWidget* parent) {
    if (!field.choice())
        return new QLineEdit(parent);
    QComboBox* combo = makeTypedComboBox(parent);
    combo->addItems(field.choices);
    combo->setCurrentIndex(-1);
    return combo;
}

// An entry's translation, as its tooltip and what a screen reader adds to it; nothing where it
// reads as the entry itself (in Chinese).
void describeEntry(QComboBox* box, int entry, const QString& translation) {
    const QVariant shown = translation == box->itemText(entry) ? QVariant() : QVariant(translation);
    box->setItemData(entry, shown, Qt::ToolTipRole);
    box->setItemData(entry, shown, Qt::AccessibleDescriptionRole);
}

// A screen reader reads the caption without the line break that ends one of them.
QString accessibleCaption(const QString& caption) {
    return caption.trimmed();
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      defaultPrompts_(std::make_unique<ModalPrompts>()), prompts_(defaultPrompts_.get()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    buildMenuBar();
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
    installKeys();
    applyTabOrder();
    retranslate();
}

// The base's destructor deletes the widgets after the window's own members are gone; nothing
// they send on the way (an edited choice box that loses the focus reports a pick) may reach
// the window.
Form1::~Form1() {
    for (QObject* child : findChildren<QObject*>()) {
        child->removeEventFilter(this);
        disconnect(child, nullptr, this, nullptr);
    }
}

void Form1::buildPanels() {
    makeFrame(client_, "Frame3", {}, twipsToPixels(2520, 960, 5775, 8655));
    makeFrame(client_, "Frame4", QStringLiteral("Frame4"), twipsToPixels(2520, 960, 5775, 8535))
        ->hide();
    QGroupBox* implants = makeFrame(client_, "Frame5", {}, twipsToPixels(2520, 960, 5775, 8535));
    implants->hide();
    QGroupBox* pairs =
        makeFrame(container("Frame3"), "Frame2", {}, twipsToPixels(0, 5640, 5655, 2895));
    pairs->setFont(songFont(kCaptionPoints));

    command1_ = place(new QPushButton(implants), "Command1", twipsToPixels(360, 360, 1215, 375));
    command1_->setFont(ownDefaultFont());
    text38_ = place(new QLineEdit(implants), "Text38", twipsToPixels(1920, 360, 3615, 375));
    text38_->setFont(songFont(kLargePanelPoints));

    for (const Category& c : categories())
        buildFields(c.id);
}

// Every label and field of a category comes from the format's field table and the window's
// layout table; no field has code of its own.
void Form1::buildFields(CategoryId category) {
    const bool weapon = category == CategoryId::Weapon;
    const QFont labelFont = songFont(weapon ? kWeaponLabelPoints : kLargePanelPoints);
    const QFont fieldFont = weapon ? ownDefaultFont() : songFont(kLargePanelPoints);
    const std::vector<FieldSpec>& declaredFields = categoryFields(category).fields;
    for (size_t i = 0; i < declaredFields.size(); ++i) {
        const FieldSpec& f = declaredFields[i];
        const FieldLayout& at = fieldLayouts(category)[i];
        QWidget* parent = container(at.container);
        auto* label = place(new QLabel(parent), at.label, twipsToPixels(at.labelRect));
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        QWidget* field = place(makeFieldWidget(f, parent), at.control, twipsToPixels(at.fieldRect));
        field->setFont(fieldFont);
        label->setBuddy(field);
        fields_[size_t(category)].push_back(field);
    }
}

void Form1::buildNavigation() {
    list1_ = place(new ItemListBox(client_), "List1", twipsToPixels(120, 1005, 2295, 8520));

    drive1_ = place(new DriveListBox(client_), "Drive1", twipsToPixels(8400, 1005, 2700, 300));
    dir1_ = place(new DirListBox(client_), "Dir1", twipsToPixels(8400, 1320, 2700, 2190));
    combo4_ = place(makeTypedComboBox(client_), "Combo4", twipsToPixels(8400, 3600, 2655, 300));
    for (const Category& c : categories())
        combo4_->addItem(c.word);
    combo4_->setCurrentIndex(0);
    file2_ = place(new FileListBox(QStringLiteral("weapon.cfg"), client_), "File2",
                   twipsToPixels(8400, 3960, 1380, 810));

    showStartFolder();

    connect(drive1_, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(dir1_, &DirListBox::openRequested, this, &Form1::openFolder);
    connect(dir1_, &DirListBox::pathChanged, this, [this] { Dir1_Change(); });
    connect(file2_, &FileListBox::fileClicked, this, [this] { File2_Click(); });
    connect(combo4_, &QComboBox::activated, this, [this] { Combo4_Click(); });
    // An item is shown when its row is selected, by a click or by the keyboard.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list1_->currentItem() && list1_->currentItem()->isSelected())
            List1_Click();
    });
}

// At start every list shows the process's current folder; no handler runs.
void Form1::showStartFolder() {
    const QString start = QDir::currentPath();
    drive1_->selectDriveOf(start);
    {
        const QSignalBlocker quiet(dir1_);
        dir1_->setPath(start);
    }
    file2_->setPath(start);
    driveFolders_.insert(drive1_->root(), dir1_->path());
}

void Form1::buildItemArea() {
    auto* options = makeFrame(client_, "Frame1", QStringLiteral("Frame1"),
                              twipsToPixels(9840, 3960, 1815, 855));
    option1_ = place(new QRadioButton(options), "Option1", twipsToPixels(0, 0, 1335, 375));
    option2_ = place(new QRadioButton(options), "Option2", twipsToPixels(0, 480, 1335, 375));
    for (QRadioButton* option : {option1_, option2_}) {
        option->setFont(songFont(kWeaponLabelPoints));
        // Like the option buttons they stand for, they cover the frame's caption.
        option->setAutoFillBackground(true);
    }
    option1_->setChecked(true);
    connect(option1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Form1_Option1_Click();
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Form1_Option2_Click();
    });
    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });

    pic1_ = place(new PictureBox(client_), "Pic1", twipsToPixels(8400, 4800, 2700, 2700));

    auto* nameLabel = place(new QLabel(client_), "Label32", twipsToPixels(8280, 7560, 1935, 375));
    nameLabel->setFont(songFont(kCaptionPoints));
    nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text29_ = place(new QLineEdit(client_), "Text29", twipsToPixels(8880, 7560, 2295, 270));
    nameLabel->setBuddy(text29_);
    text28_ = place(new QPlainTextEdit(client_), "Text28", twipsToPixels(8280, 7920, 2895, 1575));
    text28_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text28_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text28_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

// Every text of the window, in the interface's language: at construction, and again whenever
// the language changes. The category box's words and the choice lists' entries are data (the
// handlers compare them, a pick writes them) and stay; their translations are their tooltips.
void Form1::retranslate() {
    findChild<QGroupBox*>(QStringLiteral("Frame2"))->setTitle(tr("★★★ 以下属性注意保留空格！★★★"));
    command1_->setText(tr("估计价格"));
    text38_->setAccessibleName(tr("价格范围"));
    for (const Category& c : categories()) {
        const std::vector<FieldSpec>& declaredFields = categoryFields(c.id).fields;
        for (size_t i = 0; i < declaredFields.size(); ++i) {
            const FieldSpec& f = declaredFields[i];
            const FieldLayout& at = fieldLayouts(c.id)[i];
            const QString caption = shownCaption(f);
            QLabel* shown = label(at.label);
            shown->setText(caption);
            shown->setToolTip(shownHelp(at.labelHelp));
            QWidget* field = fieldWidgetOf(c.id, int(i));
            field->setAccessibleName(accessibleCaption(caption));
            if (auto* combo = qobject_cast<QComboBox*>(field))
                for (int entry = 0; entry < combo->count(); ++entry)
                    describeEntry(combo, entry, shownChoice(f.choices.value(entry)));
            decorateField(c.id, int(i));
        }
    }
    for (const Category& c : categories())
        describeEntry(combo4_, combo4_->findText(c.word), shownWord(c));
    list1_->setAccessibleName(tr("物品列表"));
    drive1_->setAccessibleName(tr("驱动器"));
    dir1_->setAccessibleName(tr("文件夹"));
    combo4_->setAccessibleName(tr("类别"));
    file2_->setAccessibleName(tr("物品数据文件"));
    option1_->setText(tr("小图"));
    option2_->setText(tr("大图"));
    pic1_->setAccessibleName(tr("物品图片"));
    label("Label32")->setText(tr("名字"));
    text29_->setAccessibleName(tr("名字"));
    text28_->setAccessibleName(tr("说明"));
    fitTexts();
    retranslateEditorMenus(menuBar_);
    for (QAction* action : list1_->actions()) {
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
    std::vector<std::vector<QWidget*>> groups{{findChild<QGroupBox*>(QStringLiteral("Frame2"))},
                                              {menuBar_},
                                              {command1_},
                                              {option1_, option2_},
                                              {label("Label32")}};
    for (const Category& c : categories()) {
        groups.emplace_back();
        for (const FieldLayout& at : fieldLayouts(c.id))
            groups.back().push_back(label(at.label));
    }
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

// Every change of a field's text goes to the document; its edit gate tells whose it is. A
// choice box writes what is typed into it as typing, and an entry picked from its list once,
// as a pick.
void Form1::connectFields() {
    for (const Category& c : categories()) {
        const auto& widgets = fields_[size_t(c.id)];
        for (int i = 0; i < int(widgets.size()); ++i) {
            const CategoryId category = c.id;
            if (auto* edit = qobject_cast<QLineEdit*>(widgets[size_t(i)])) {
                connect(edit, &QLineEdit::textChanged, this,
                        [this, category, i] { fieldEdited(category, i, EditKind::Typing); });
                connect(edit, &QLineEdit::textChanged, this,
                        [this, category, i] { decorateField(category, i); });
            } else if (auto* combo = qobject_cast<QComboBox*>(widgets[size_t(i)])) {
                connect(combo, &QComboBox::editTextChanged, this,
                        [this, category, i] { decorateField(category, i); });
                connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                        [this, category, i] { fieldEdited(category, i, EditKind::Typing); });
                connect(combo, &QComboBox::activated, this,
                        [this, category, i] { fieldEdited(category, i, EditKind::Pick); });
            }
        }
    }
}

void Form1::connectDocument() {
    connect(&document_, &Document::filesChanged, this, &Form1::followFiles);
    connect(&document_, &Document::filesReplaced, this, &Form1::dropPanels);
    connect(&document_, &Document::reloaded, this, &Form1::showAgain);
    connect(&document_, &Document::stepShown, this,
            [this](const StepPlace& place, const std::vector<StepCell>& cells, bool undone) {
                showPlace(place);
                showCells(cells, undone);
            });
    connect(&comparison_, &Comparison::changed, this, &Form1::showMarks);
    connect(list1_, &ItemListBox::findChanged, this, &Form1::setFind);
    list1_->setToolTips([this](int row) { return nameOf(visible_.at(size_t(row))); });
}

QWidget* Form1::container(const char* name) const {
    return findChild<QGroupBox*>(QLatin1String(name));
}

QString Form1::gameFolder() const {
    return file2_->path();
}

QListWidget* Form1::itemList() const {
    return list1_;
}

QString Form1::itemFilePath() const {
    const QString name = file2_->fileName();
    return name.isEmpty() ? QString() : joinPath(file2_->path(), name);
}

QString Form1::categoryText() const {
    return combo4_->currentText();
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
    return fieldOfControl(control, category, field) ? fieldWidgetOf(category, field) : nullptr;
}

const Category* Form1::category() const {
    return categoryForWord(combo4_->currentText());
}

ItemRef Form1::itemOf(int entry) const {
    const ListEntry& listed = entries_[size_t(entry)];
    return {listCategory_->id, listed.id, listed.ordinal + 1};
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

} // namespace wed
