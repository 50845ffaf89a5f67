// One copy of the program per data folder: the lock a copy holds on the
// folder while it has it open, and who holds it, for the refusal of another.
#pragma once

#include <QString>

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
