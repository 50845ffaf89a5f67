#include "platform/forms/dispatch.h"

#include "platform/forms/dialogs.h"
#include "platform/vb/error.h"

namespace forms {

QString failureMessage(const QString& what, const std::exception& e)
{
    if (const auto* vbError = dynamic_cast<const vb::Error*>(&e))
        return QStringLiteral("%1 failed: %2 (error %3)").arg(what, vbError->description).arg(vbError->number);
    return QStringLiteral("%1 failed: %2").arg(what, QString::fromLocal8Bit(e.what()));
}

bool dispatch(const QString& what, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        Dialogs::msgBox(failureMessage(what, e), vbCritical);
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

} // namespace detail
} // namespace forms
