#include "window/window_fonts.h"

#include <QApplication>

namespace wed {

QFont songFont(qreal points) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont ownDefaultFont() {
    QFont font = QApplication::font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont latinFirst(const QFont& font) {
    QStringList families{QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"),
                         QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")};
    families += font.families();
    QFont latin = font;
    latin.setFamilies(families);
    return latin;
}

} // namespace wed
