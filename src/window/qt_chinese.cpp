#include "window/qt_chinese.h"

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

} // namespace wed
