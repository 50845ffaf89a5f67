// Every table of the two database files, with its column order fixed.
#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>

namespace common {

inline const char* const kFundDb = "fund.mdb";
inline const char* const kSalaryDb = "salary master.mdb";

// The CREATE TABLE and CREATE INDEX statements of each file, in order.
// Text columns are COLLATE NOCASE, amounts REAL, dates DATE (ISO text).
// `dosset-setup --update` brings an older folder to these by comparing them
// with the file: a new table or index is simply listed here; a new column
// goes at the end of its table, where the update appends it, so that column
// positions (which some bills sort by) stay the same in old and new folders.
QStringList fundSchema();
QStringList salarySchema();

// The most characters a text column holds, as declared with it above (0 for
// a column that is not text or not declared). Every form that stores typed
// text checks it against this width (common/free_text).
int textWidth(const QString& table, const QString& column);

// What the program makes in a data folder is readable by its owner only.
inline constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
inline constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Creates both files with every table and index in an empty folder.
// Throws vb::Error when a file already exists or cannot be written.
void createDatabases(const QString& folder);

// True when the folder holds both database files.
bool isDataFolder(const QString& folder);

} // namespace common
