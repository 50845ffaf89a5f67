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

// The tables each file has held since its first version, by which a file is
// recognised as that file's whatever version made it: a file holds a file's
// tables when it holds at least two of its three, each with more than half of
// the schema's columns. Two so that one table lost by hand still leaves the
// file known (and mended by the update); columns so that another program's
// table that merely shares a common name ("employee") counts for nothing.
inline const char* const kFundCoreTables[] = {"head", "all_allot", "all_exp"};
inline const char* const kSalaryCoreTables[] = {"employee", "salary", "da_table"};

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
