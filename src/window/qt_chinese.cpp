#include "window/qt_chinese.h"

#include "base/language.h"

#include <QCoreApplication>

namespace wed {

std::unique_ptr<QTranslator> installQtChinese() {
    auto translator = std::make_unique<QTranslator>();
    // The resource is src/window/CMakeLists.txt's: Qt's Chinese translation of its base
    // module, taken from the build machine.
    if (!translator->load(QStringLiteral(":/translations/qtbase_zh_CN.qm")) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

namespace {

// Qt's Chinese while Chinese is chosen; a translator takes itself out when it goes.
void followWithQtTexts() {
    static std::unique_ptr<QTranslator> qtChinese;
    if (chosenLanguage() == Language::Chinese && !qtChinese)
        qtChinese = installQtChinese();
    else if (chosenLanguage() == Language::English)
        qtChinese.reset();
}

} // namespace

void installWindowLanguage() {
    installLanguage();
    followWithQtTexts();
}

// Choosing puts the editor's translation in or out at once.
void switchLanguage() {
    chooseLanguage(chosenLanguage() == Language::Chinese ? u"en" : u"zh");
    followWithQtTexts();
}

} // namespace wed
