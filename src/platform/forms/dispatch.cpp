#include "platform/forms/dispatch.h"

#include "platform/forms/dialogs.h"
#include "platform/vb/error.h"

#include <QAbstractButton>

namespace forms {

namespace {

bool isLocked(const QString& text)
{
    return text.contains(QLatin1String("database is locked"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("database table is locked"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("database is busy"), Qt::CaseInsensitive);
}

} // namespace

QString clerkReason(const std::exception& e)
{
    const auto* vbError = dynamic_cast<const vb::Error*>(&e);
    const QString text = vbError ? vbError->description : QString::fromLocal8Bit(e.what());
    if (isLocked(text))
        return QStringLiteral("the data file is in use by another program or another copy of Dosset; nothing was saved");
    if (!vbError)
        return QStringLiteral("the program met an error it did not expect; nothing of it was saved");
    switch (vbError->number) {
    case vb::NoCurrentRecord: return QStringLiteral("no record is chosen; nothing of it was saved");
    case vb::DuplicateKey:
        return QStringLiteral("it would enter a second time what may be entered only once; nothing of it was saved");
    case vb::DataTypeConversion:
    case vb::TypeMismatch:
        return QStringLiteral("a value is not of the kind expected (a number or a date); nothing of it was saved");
    case vb::InvalidUseOfNull: return QStringLiteral("a value it needs is blank; nothing of it was saved");
    case vb::Overflow: return QStringLiteral("a figure is too large; nothing of it was saved");
    case vb::FileNotFound:
    case 75:
    case 76: return QStringLiteral("a file it needs could not be found or written; nothing of it was saved");
    default: break;
    }
    if (vbError->number >= 3000 && vbError->number < 4000)
        return QStringLiteral("the data file could not be read or written; nothing of it was saved");
    return QStringLiteral("the program met an error it did not expect; nothing of it was saved");
}

Failure describeFailure(const QString& what, const std::exception& e, const QString& caption)
{
    Failure f;
    const QString subject = caption.isEmpty() ? QStringLiteral("The command") : QStringLiteral("\"%1\"").arg(caption);
    f.text = QStringLiteral("%1 could not be finished: %2.").arg(subject, clerkReason(e));
    if (const auto* vbError = dynamic_cast<const vb::Error*>(&e))
        f.details = QStringLiteral("%1 failed: %2 (error %3)").arg(what, vbError->description).arg(vbError->number);
    else
        f.details = QStringLiteral("%1 failed: %2").arg(what, QString::fromLocal8Bit(e.what()));
    return f;
}

QString failureMessage(const QString& what, const std::exception& e)
{
    return QStringLiteral("%1 could not be finished: %2.").arg(what, clerkReason(e));
}

bool dispatch(const QString& what, const std::function<void()>& command, const QString& caption)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        const Failure f = describeFailure(what, e, caption);
        Dialogs::msgBox(f.text, vbCritical, QString(), f.details);
        return false;
    }
}

namespace detail {

QString handlerName(const QObject* sender, const QMetaMethod& signal)
{
    const QString event = QString::fromLatin1(signal.name());
    const QString control = sender ? sender->objectName() : QString();
    return control.isEmpty() ? event : control + "_" + event;
}

QString captionOf(const QObject* sender)
{
    const auto* button = qobject_cast<const QAbstractButton*>(sender);
    if (!button)
        return QString();
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    return text.simplified();
}

} // namespace detail
} // namespace forms
