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

#include <functional>

namespace common {

// Who holds a data folder's lock, as far as it can be told: the process
// number only when the lock file names the live process that wrote it (0
// otherwise), and whether that is an update by dosset-setup.
struct LockHolder {
    qint64 pid = 0;
    bool update = false;
    QString host; // another computer sharing the folder; empty for this one
};

// Held while one copy of the program (or dosset-setup --update) has the
// folder open, so that any other copy started on it is told so and leaves it
// alone. The kernel's lock on the open file "dosset.lock" is the only test
// of who holds the folder: it goes with its holder, however that ends (a
// kill, a crash, a power cut), so a dead copy never blocks the next start.
// The file itself is never removed; what is written in it only names the
// holder in the refusal.
class FolderLock {
public:
    enum class Use { Program, Update };
    explicit FolderLock(const QString& folder, Use use = Use::Program);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another copy holds the folder (or the lock file cannot be
    // made or locked); message() then says which.
    bool tryLock();
    // True when another copy holds the folder: asked before the folder is
    // checked, it makes no file, so a folder that cannot be used is left
    // without one.
    bool heldElsewhere() const;
    // The holder named by the lock file, when it holds the lock still.
    LockHolder holder() const;
    // True when tryLock failed because the lock file could not be made or
    // locked, not because another copy holds it.
    bool cannotMake() const { return mCannotMake; }
    // The refusal of the program, in the clerk's words.
    QString message() const;

    // For tests: called with "opened", "locked" and "named" as tryLock
    // reaches each step of taking the lock, so that a test can stall or
    // kill a copy there.
    static void setStepHook(std::function<void(const char* step)> hook);

private:
    QString mFolder;
    QString mPath;
    Use mUse;
    int mFd = -1;
    bool mCannotMake = false;
};

} // namespace common
