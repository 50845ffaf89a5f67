// A fresh data folder with both database files made from the schema, for one test.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TempDataFolder {
public:
    TempDataFolder();   // creates the files and points data::dataFolder() here
    ~TempDataFolder();  // closes every connection
    QString path() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
};

} // namespace testsupport
