#include "common/free_text.h"

#include "common/schema.h"
#include "platform/vb/error.h"

namespace common {

namespace {

bool isControl(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

} // namespace

TextRead readText(const QString& typed, const QString& table, const QString& column)
{
    TextRead read;
    read.limit = textWidth(table, column);
    if (read.limit <= 0)
        throw vb::Error(vb::InvalidProcedureCall,
                        QStringLiteral("The column %1.%2 declares no text width.").arg(table, column));
    read.text = typed.trimmed();
    int characters = 0;
    for (QChar c : read.text) {
        if (isControl(c))
            read.fault = TextFault::ControlCharacters;
        if (!c.isLowSurrogate())
            ++characters;
    }
    if (read.ok() && characters > read.limit)
        read.fault = TextFault::TooLong;
    return read;
}

QString TextRead::refusal(const QString& caption) const
{
    switch (fault) {
    case TextFault::ControlCharacters:
        return caption + QStringLiteral(" MUST NOT HOLD CONTROL CHARACTERS (TABS, LINE BREAKS OR OTHER UNSEEN KEYS).");
    case TextFault::TooLong:
        return caption + QStringLiteral(" IS TOO LONG: IT MAY HOLD AT MOST %1 %2.")
                             .arg(limit)
                             .arg(limit == 1 ? QStringLiteral("CHARACTER") : QStringLiteral("CHARACTERS"));
    case TextFault::None: break;
    }
    return QString();
}

} // namespace common
