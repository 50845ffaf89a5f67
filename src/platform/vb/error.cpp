#include "platform/vb/error.h"

namespace vb {

const char* Error::what() const noexcept
{
    if (mWhat.isEmpty())
        mWhat = QStringLiteral("error %1: %2").arg(number).arg(description).toUtf8();
    return mWhat.constData();
}

} // namespace vb
