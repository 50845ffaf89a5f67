#include "common/code_pattern.h"

namespace common {

QString codePattern(const QString& codeCategory)
{
    QString escaped = codeCategory.trimmed();
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return escaped + QLatin1Char('%');
}

} // namespace common
