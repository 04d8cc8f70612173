#include "window/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace wed {

void ModalMessageBox::show(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon,
                    title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace wed
