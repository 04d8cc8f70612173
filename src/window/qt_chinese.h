#pragma once

#include <QTranslator>
#include <memory>

namespace wed {

// Qt's own texts (dialog buttons, the text boxes' menus, Qt's file and folder dialogs) in
// Chinese, as the window's are, whatever language the system speaks. The translation is built
// into the program; it stays in use while the returned translator lives. Null when it cannot
// be read, and Qt's texts stay English.
std::unique_ptr<QTranslator> installQtChinese();

} // namespace wed
