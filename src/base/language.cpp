#include "base/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace wed {
namespace {

Language chosen = Language::Chinese;

// The English translation, a resource of this library (src/base/CMakeLists.txt), loaded once.
QTranslator& english() {
    static const std::unique_ptr<QTranslator> translator = [] {
        auto made = std::make_unique<QTranslator>();
        if (!made->load(QStringLiteral(":/i18n/weapon-editor_en.qm")))
            qWarning("the English translation is missing from the program");
        return made;
    }();
    return *translator;
}

} // namespace

bool chooseLanguage(QStringView name) {
    if (name.compare(u"zh", Qt::CaseInsensitive) == 0)
        chosen = Language::Chinese;
    else if (name.compare(u"en", Qt::CaseInsensitive) == 0)
        chosen = Language::English;
    else
        return false;
    if (QCoreApplication::instance())
        installLanguage();
    return true;
}

Language chosenLanguage() {
    return chosen;
}

void installLanguage() {
    // Never in twice, or taking it out once would leave it in.
    QCoreApplication::removeTranslator(&english());
    if (chosen == Language::English)
        QCoreApplication::installTranslator(&english());
    else
        QCoreApplication::removeTranslator(&english());
}

} // namespace wed
