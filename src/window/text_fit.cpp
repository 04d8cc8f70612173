#include "window/text_fit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace wed {
namespace {

constexpr qreal kSmallestPoints = 6;
constexpr qreal kStepPoints = 0.25;

bool fitsIn(const QRect& room, const QFont& font, int alignment, const QString& text) {
    return room.contains(QFontMetrics(font).boundingRect(room, alignment, text));
}

// A label's room ends where its field begins, when the field stands to its right: some labels
// reach under their field, where their text would not be seen.
QRect labelRoom(const QLabel* label) {
    QRect room = label->contentsRect();
    const QWidget* field = label->buddy();
    if (field && field->parentWidget() == label->parentWidget() && field->x() > label->x() &&
        field->geometry().top() < label->geometry().bottom() &&
        label->geometry().top() < field->geometry().bottom())
        room.setRight(std::min(room.right(), field->x() - label->x() - 1));
    return room;
}

} // namespace

bool textFits(const QWidget* widget, const QFont& font) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return fitsIn(labelRoom(label), font, int(label->alignment()), label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.fontMetrics = QFontMetrics(font);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_PushButtonContents,
                                                           &option, button);
        return fitsIn(room, font, radio ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter,
                      button->text());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.fontMetrics = QFontMetrics(font);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        return box->rect().contains(box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, box));
    }
    return true;
}

void fitFont(const std::vector<QWidget*>& group, const QFont& base, bool shrink) {
    QFont font = base;
    const auto allFit = [&] {
        return std::all_of(group.begin(), group.end(),
                           [&](const QWidget* widget) { return textFits(widget, font); });
    };
    while (shrink && !allFit() && font.pointSizeF() - kStepPoints >= kSmallestPoints)
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    for (QWidget* widget : group)
        widget->setFont(font);
}

} // namespace wed
