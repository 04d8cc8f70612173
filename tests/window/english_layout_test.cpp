// In English every translated text of the main window fits its widget and no two labels' texts
// overlap, in the window's fixed size. Run at Qt scale factors 1 and 2 (CMakeLists.txt).
#include "base/language.h"
#include "data/item_fields.h"
#include "window/field_layout.h"
#include "window/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>
#include <set>

namespace wed {
namespace {

class EnglishLayout : public testing::Test {
  protected:
    EnglishLayout() { chooseLanguage(u"en"); }
    ~EnglishLayout() override { chooseLanguage(u"zh"); }
};

std::string shown(const QRect& r) {
    return QStringLiteral("%1x%2+%3+%4")
        .arg(r.width())
        .arg(r.height())
        .arg(r.x())
        .arg(r.y())
        .toStdString();
}

std::string nameOf(const QWidget* widget) {
    return widget->objectName().toStdString() + " \"" +
           widget->property("text").toString().toStdString() + "\"";
}

// The panel a widget stands in: Frame3 (with its pair frame), Frame4 or Frame5, which take
// turns, or the client area itself, which is always there.
const QWidget* panelOf(const QWidget* widget, const QWidget* client) {
    while (widget->parentWidget() && widget->parentWidget() != client)
        widget = widget->parentWidget();
    return widget->parentWidget() == client && qobject_cast<const QGroupBox*>(widget) ? widget
                                                                                      : client;
}

// Whether the widget's font draws Latin letters each as wide as it needs: not the stand-in a
// Wine prefix gives for the window's Chinese fonts, which draws every letter as wide as a
// Chinese character, so that no English caption can be given its room.
bool proportional(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    return metrics.horizontalAdvance(QStringLiteral("iiii")) <
           metrics.horizontalAdvance(QStringLiteral("WWWW"));
}

TEST_F(EnglishLayout, EveryTextFitsItsWidgetAndNoLabelsTextsOverlap) {
    Form1 form;
    form.show();
    ASSERT_TRUE(proportional(form.label("Label1")))
        << form.label("Label1")->font().family().toStdString()
        << " draws Latin letters as wide as Chinese characters";
    ASSERT_NE(form.label("Label1")->text(), categoryFields(CategoryId::Weapon).fields[0].caption);

    struct Shown {
        const QLabel* label;
        QRect text; // in the window's coordinates
    };
    std::vector<Shown> labels;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        // The title letters (Label15) are the program's name, in Chinese in every language.
        if (label->text().isEmpty() || label->objectName() == u"Label15")
            continue;
        const QRect room = label->contentsRect();
        const QRect text =
            QFontMetrics(label->font()).boundingRect(room, int(label->alignment()), label->text());
        EXPECT_TRUE(room.contains(text))
            << nameOf(label) << " needs " << shown(text) << " in " << shown(room);
        labels.push_back({label, QRect(label->mapTo(&form, text.topLeft()), text.size())});
    }
    EXPECT_GT(labels.size(), size_t(30));
    const QWidget* client = form.clientArea();
    for (size_t i = 0; i < labels.size(); ++i)
        for (size_t j = i + 1; j < labels.size(); ++j) {
            const QWidget* a = panelOf(labels[i].label, client);
            const QWidget* b = panelOf(labels[j].label, client);
            if (a != b && a != client && b != client)
                continue;
            EXPECT_FALSE(labels[i].text.intersects(labels[j].text))
                << nameOf(labels[i].label) << " and " << nameOf(labels[j].label);
        }
    // Nor does a label's text reach under a field, a list or a picture beside it.
    for (const Shown& shown : labels)
        for (const QWidget* control : form.findChildren<QWidget*>()) {
            if (qobject_cast<const QLabel*>(control) || qobject_cast<const QGroupBox*>(control) ||
                control->objectName().isEmpty() || control->objectName().startsWith(u"qt_") ||
                control->parentWidget() == nullptr ||
                control->parentWidget() != shown.label->parentWidget())
                continue;
            const QRect at(control->mapTo(&form, QPoint()), control->size());
            EXPECT_FALSE(shown.text.intersects(at))
                << nameOf(shown.label) << " under " << control->objectName().toStdString();
        }

    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_PushButtonContents,
                                                           &option, button);
        const QRect text =
            QFontMetrics(button->font())
                .boundingRect(room, radio ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter,
                              button->text());
        EXPECT_TRUE(room.contains(text))
            << nameOf(button) << " needs " << shown(text) << " in " << shown(room);
    }

    for (const QGroupBox* box : form.findChildren<QGroupBox*>()) {
        if (box->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        EXPECT_TRUE(box->rect().contains(title)) << box->objectName().toStdString() << " needs "
                                                 << shown(title) << " in " << shown(box->rect());
    }

    const QMenuBar* bar = form.menuBar();
    for (QAction* menu : bar->actions())
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(menu)))
            << menu->text().toStdString() << ": " << shown(bar->actionGeometry(menu));
}

// Where some captions of a panel need a smaller size than the Chinese ones had, the panel's
// captions all take it, not each its own.
TEST_F(EnglishLayout, CaptionsOfOnePanelStandInOneSize) {
    Form1 form;
    for (const Category& c : categories()) {
        std::set<qreal> sizes;
        for (const FieldLayout& at : fieldLayouts(c.id))
            sizes.insert(form.label(at.label)->font().pointSizeF());
        EXPECT_EQ(sizes.size(), size_t(1)) << c.word.toStdString() << ": " << *sizes.begin()
                                           << " to " << *sizes.rbegin() << " points";
    }
}

} // namespace
} // namespace wed
