#include "dialogs/file_filter.h"

#include <QList>

namespace wed {
namespace {

QString qtPatterns(QStringView patterns) {
    QStringList result;
    for (QStringView pattern : patterns.split(u';')) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        result << (pattern == u"*.*" ? QStringLiteral("*") : pattern.toString());
    }
    return result.isEmpty() ? QStringLiteral("*") : result.join(u' ');
}

} // namespace

QStringList qtNameFilters(QStringView filter) {
    const QList<QStringView> parts = filter.split(QChar(u'\0'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        filters << parts[i].toString() + QStringLiteral(" (") + qtPatterns(parts[i + 1]) + u')';
    }
    return filters;
}

} // namespace wed
