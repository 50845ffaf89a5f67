#include "support/temp_data_folder.h"

#include "common/schema.h"
#include "platform/data/database.h"

namespace testsupport {

TempDataFolder::TempDataFolder()
{
    data::Database::closeAll();
    common::createDatabases(mDir.path());
    data::setDataFolder(mDir.path());
}

TempDataFolder::~TempDataFolder()
{
    data::Database::closeAll();
}

} // namespace testsupport
