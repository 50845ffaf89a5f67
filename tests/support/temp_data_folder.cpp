#include "support/temp_data_folder.h"

#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"

namespace testsupport {

TempDataFolder::TempDataFolder()
{
    data::Database::closeAll();
    common::createDatabases(mDir.path());
    common::installTemplates(mDir.path(), false);
    data::setDataFolder(mDir.path());
}

TempDataFolder::~TempDataFolder()
{
    data::Database::closeAll();
}

} // namespace testsupport
