#include "window/text_box_menus.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace wed {
namespace {

// Qt names the entries of a plain text box's menu; Qt 6.4 leaves a line box's unnamed, and
// they are known by their text, "&Undo\tCtrl+Z" in the line box's translation.
bool isEntry(const QAction* action, const char* name, const char* text) {
    return action->objectName() == QLatin1String(name) ||
           action->text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", text);
}

// Qt leaves out an entry's keys when a shortcut of the window has them, as the editor's undo
// and redo have: the entry now does what those keys do, and says so.
void takeOver(QAction* action, QKeySequence::StandardKey keys, const std::function<bool()>& can,
              const std::function<void()>& move) {
    action->setText(action->text().section(u'\t', 0, 0) + u'\t' +
                    QKeySequence(keys).toString(QKeySequence::NativeText));
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, action, move);
    action->setEnabled(can());
}

// The box's standard menu; null for a widget that is not a text box.
QMenu* standardMenu(QObject* watched) {
    if (auto* combo = qobject_cast<QComboBox*>(watched)) // the menu key on a choice box
        return combo->lineEdit() ? combo->lineEdit()->createStandardContextMenu() : nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(watched))
        return line->createStandardContextMenu();
    if (auto* text = qobject_cast<QPlainTextEdit*>(watched))
        return text->createStandardContextMenu();
    // A right click on a plain text box reaches its viewport.
    if (auto* text = qobject_cast<QPlainTextEdit*>(watched->parent()))
        return text->createStandardContextMenu();
    return nullptr;
}

class TextMenus : public QObject {
  public:
    TextMenus(QWidget* window, HistoryMoves moves) : QObject(window), moves_(std::move(moves)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu)
            return false;
        QMenu* menu = standardMenu(watched);
        if (!menu)
            return false;
        for (QAction* action : menu->actions()) {
            if (isEntry(action, "edit-undo", "&Undo"))
                takeOver(action, QKeySequence::Undo, moves_.canUndo, moves_.undo);
            else if (isEntry(action, "edit-redo", "&Redo"))
                takeOver(action, QKeySequence::Redo, moves_.canRedo, moves_.redo);
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

  private:
    HistoryMoves moves_;
};

} // namespace

void useHistoryInTextMenus(QWidget* window, HistoryMoves moves) {
    auto* menus = new TextMenus(window, std::move(moves));
    for (QWidget* box : window->findChildren<QLineEdit*>())
        box->installEventFilter(menus);
    for (QWidget* box : window->findChildren<QComboBox*>())
        box->installEventFilter(menus);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        box->installEventFilter(menus);
        box->viewport()->installEventFilter(menus);
    }
}

} // namespace wed
