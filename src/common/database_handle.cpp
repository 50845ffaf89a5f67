#include "common/database_handle.h"

#include "platform/data/database.h"
#include "platform/vb/error.h"

namespace common {

void DatabaseHandle::open()
{
    mDb = &data::Database::open(QString::fromLatin1(mFile));
}

data::Database& DatabaseHandle::operator*() const
{
    if (!mDb)
        throw vb::Error(vb::FileNotFound, QString::fromLatin1(mFile));
    return *mDb;
}

} // namespace common
