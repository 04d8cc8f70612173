#pragma once

#include <QTranslator>
#include <memory>

namespace wed {

// Qt's own texts (dialog buttons, the text boxes' menus, Qt's file and folder dialogs) in
// Chinese, as the window's are, whatever language the system speaks. The translation is built
// into the program; it stays in use while the returned translator lives. Null when it cannot
// be read, and Qt's texts stay English.
std::unique_ptr<QTranslator> installQtChinese();

// Puts the language chosen (base/language.h) into the application: the editor's texts, and Qt's
// own in Chinese while Chinese is chosen (in English they are Qt's source texts). Every widget
// then gets a QEvent::LanguageChange.
void installWindowLanguage();
// Switches the running program from Chinese to English or back.
void switchLanguage();

} // namespace wed
