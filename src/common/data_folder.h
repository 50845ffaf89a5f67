// The data folder at start and on upgrade: what is wrong with it, in the
// clerk's words, and what an older folder lacks of the schema.
#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace common {

// What one database file lacks of its schema, as "table x", "column t.c",
// "index i" (names as the schema spells them).
QStringList schemaLacks(QSqlDatabase& db, const QStringList& statements);

// Adds to the file the tables, columns and indexes of its schema it lacks,
// in one transaction; rows are never touched (a new column is empty in every
// row). Returns what was added. Throws vb::Error and leaves the file as it
// was when any statement fails.
QStringList upgradeDatabase(const QString& path, const QStringList& statements);

// The first fault of each database file, checked in this order: missing,
// not readable or writable, empty, not a database, damaged, holding the
// other file's tables (OtherFile) or neither's (Foreign), in use elsewhere,
// made by an older version. Reads only; the files are left as they were.
enum class FileFault { None, Missing, Permission, Empty, NotDatabase, Damaged, OtherFile, Foreign, Locked, Older };

struct FileCheck {
    QString file;      // "fund.mdb"
    FileFault fault = FileFault::None;
    QString technical; // the engine's words, or what an older file lacks
};

QList<FileCheck> checkDataFiles(const QString& folder);

struct FolderProblem {
    QString text;    // for the clerk; empty when the folder can be used
    QString details; // the engine's own words, for "Show Details"
    bool ok() const { return text.isEmpty(); }
};

// The path itself, or the first folder on its way, when that is a file
// (so no folder can be there); empty otherwise.
QString fileOnPath(const QString& folder);

// Puts the folder's entries (a file made, renamed or removed) on the disk.
void syncFolder(const QString& folder);

// Lies in a folder while dosset-setup makes it: a folder still holding it
// was left half-made (the setup was stopped) and is never used.
inline const char* const kUnfinishedMark = "dosset-setup.unfinished";
bool isHalfMade(const QString& folder);
// Makes the folder when it does not exist and, unless it holds a data file
// already (which the making then refuses), marks it half-made until
// finishSetup. Throws vb::Error 58 with checkDataFolder's text for a folder
// left half-made before, 75 when the mark cannot be written.
void beginSetup(const QString& folder);
void finishSetup(const QString& folder);

// The message for a folder that cannot be used, naming each file at fault
// and the one command (if any) that mends it.
FolderProblem checkDataFolder(const QString& folder);

} // namespace common
