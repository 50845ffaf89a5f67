// A fresh data folder with both database files made from the schema, for one test.
#pragma once

#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"

#include <QTemporaryDir>

namespace testsupport {

class TempDataFolder {
public:
    // Creates the files and points data::dataFolder() here.
    TempDataFolder()
    {
        data::Database::closeAll();
        common::createDatabases(mDir.path());
        common::installTemplates(mDir.path(), false);
        data::setDataFolder(mDir.path());
    }
    ~TempDataFolder() { data::Database::closeAll(); } // closes every connection
    QString path() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
};

} // namespace testsupport
